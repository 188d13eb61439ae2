// Writes the report of a made-up month of mornings, for a browser to render: a child who gets faster, keeps
// tripping over a few multiplication facts and words, and has a morning switched off halfway. Options: a
// sister on another account of the same computer, with a month of her own; one answer of 160 letters typed
// without a space.
//   sample_report [--two-children] [--long-answer] <report.html> [<journal.txt>]
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "journal/Journal.h"
#include "platform/Random.h"
#include "platform/sim/SimPlatform.h"

namespace {

struct Word {
  const wchar_t *shown, *answer, *alternative, *slip;
};
const Word kWords[] = {{L"cat", L"кошка", L"кот", L"кошк"},
                       {L"house", L"дом", L"", L"доом"},
                       {L"green", L"зелёный", L"зеленый", L"зилёный"},
                       {L"tree", L"дерево", L"", L"дерево "},
                       {L"mother", L"мама", L"мать", L"мамма"},
                       {L"window", L"окно", L"", L"акно"},
                       {L"<b>&", L"знаки", L"", L"<i>"},
                       {L"yellow", L"жёлтый", L"желтый", L"жолтый"},
                       {L"brother", L"брат", L"", L"брад"},
                       {L"school", L"школа", L"", L"шкала"},
                       {L"teacher", L"учитель", L"учительница", L"учитиль"},
                       {L"morning", L"утро", L"", L"утра"},
                       {L"evening", L"вечер", L"", L"вечир"},
                       {L"breakfast", L"завтрак", L"", L"затрак"},
                       {L"orange", L"апельсин", L"оранжевый", L"опельсин"},
                       {L"country", L"страна", L"", L"старна"},
                       {L"weather", L"погода", L"", L"пагода"},
                       {L"holiday", L"праздник", L"каникулы", L"празник"},
                       {L"pencil", L"карандаш", L"", L"корандаш"},
                       {L"friend", L"друг", L"подруга", L"дрог"},
                       {L"kitchen", L"кухня", L"", L"кухна"},
                       {L"garden", L"сад", L"", L"сат"},
                       {L"answer", L"ответ", L"", L"атвет"},
                       {L"question", L"вопрос", L"", L"вапрос"}};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

class Child {
 public:
  Child(platform::SimPlatform& sim, const wchar_t* account, std::uint32_t seed)
      : sim_(sim), account_(account) {
    random_.Seed(seed);
  }

  // One morning: `sets` deals of three problems, the last one finished with "ВСЁ". `slip` replaces the first
  // wrong word typed, when given.
  void Morning(int subject, int sets, int slowness, const std::wstring& slip = L"") {
    journal::Journal& journal = Journal();
    journal.QuizShown();
    std::wstring longSlip = slip;
    for (int set = 0; set < sets; ++set) {
      const int button = set + 1 == sets ? 0 : 1;
      int a[3], b[3];
      bool wrong[3];
      for (int r = 0; r < 3; ++r) {
        a[r] = Factor();
        b[r] = Factor();
        // 7 × 8 and its neighbours are the hard ones, and a third of the words.
        const bool hard = subject == 0 ? (a[r] * b[r]) % 7 == 0 || a[r] * b[r] == 54 : (a[r] + b[r]) % 3 == 0;
        wrong[r] = random_.Next() < (hard ? 0.45f : 0.08f);
      }
      Wait(slowness);
      if (subject == 0 && random_.Next() < 0.1f) {
        // Enter before the second box was filled in: the rows after it are not looked at.
        journal.Product(1, 0, a[0], b[0], std::to_wstring(a[0] * b[0]), journal::Verdict::Right);
        journal.Product(1, 1, a[1], b[1], L"", journal::Verdict::NotANumber);
        Wait(slowness);
      }
      const bool anyWrong = wrong[0] || wrong[1] || wrong[2];
      for (int click = 0; click < 2; ++click) {
        // A check that finds a mistake is made with Enter, which presses "Ещё".
        const int pressed = click == 0 && anyWrong ? 1 : button;
        for (int r = 0; r < 3; ++r) {
          const bool slipped = wrong[r] && click == 0;
          if (subject == 0) {
            const int typed = slipped ? a[r] * b[r] + (random_.Next() < 0.5f ? 2 : -a[r]) : a[r] * b[r];
            journal.Product(pressed, r, a[r], b[r], std::to_wstring(typed),
                            slipped ? journal::Verdict::Wrong : journal::Verdict::Right);
            continue;
          }
          const Word& word = kWords[(a[r] * 8 + b[r] * 3) % kWordCount];
          std::wstring typed = subject == 1 ? word.answer : word.shown;
          if (slipped) typed = longSlip.empty() ? word.slip : std::exchange(longSlip, L"");
          journal.Word(pressed, subject, r, subject == 1 ? word.shown : word.answer,
                       subject == 1 ? word.answer : word.shown, subject == 1 ? word.alternative : L"", typed,
                       !slipped);
        }
        if (!anyWrong) break;
        Wait(slowness);
      }
    }
    journal.Unlocked();
  }

  // Switched off after one wrong answer.
  void Interrupted() {
    journal::Journal& journal = Journal();
    journal.QuizShown();
    journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
  }

 private:
  // The journal as this child's account writes it.
  journal::Journal& Journal() {
    sim_.account.name = account_;
    journal_.emplace(sim_);
    return *journal_;
  }
  int Factor() { return 2 + static_cast<int>(8 * random_.Next()); }
  void Wait(int seconds) {
    sim_.tickCount += static_cast<std::uint32_t>(1000 * seconds + 1000 * seconds * random_.Next());
  }

  platform::SimPlatform& sim_;
  const wchar_t* account_;
  std::optional<journal::Journal> journal_;
  platform::Random random_;
};

bool Save(const char* path, const std::string& bytes) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  bool twoChildren = false, longAnswer = false;
  const char* paths[2] = {nullptr, nullptr};
  int files = 0;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--two-children") == 0) {
      twoChildren = true;
    } else if (std::strcmp(argv[k], "--long-answer") == 0) {
      longAnswer = true;
    } else if (files < 2) {
      paths[files++] = argv[k];
    }
  }
  if (files == 0) {
    std::fprintf(stderr,
                 "usage: sample_report [--two-children] [--long-answer] <report.html> [<journal.txt>]\n");
    return 2;
  }
  platform::SimPlatform sim;
  Child vova(sim, L"Вова", 0x50000u), masha(sim, L"Маша", 0x1234u);
  // April 18 to May 17, 2024: a morning every day, both subjects, a few deals more with "Ещё".
  for (int k = 0; k < 30; ++k) {
    const int day = 18 + k;
    sim.localTime = day <= 30 ? platform::LocalTime{2024, 4, day, 7, 20 + k % 15, 5}
                              : platform::LocalTime{2024, 5, day - 30, 7, 20 + k % 15, 5};
    const int subject = k % 5 == 3 ? 1 : k % 5 == 4 ? 2 : 0;
    vova.Morning(subject, k % 4 == 1 ? 2 : 1, 30 - k / 2,
                 longAnswer && k == 28 ? std::wstring(160, L'ж') : L"");
    if (k == 9) {
      sim.localTime.hour = 18;
      vova.Interrupted();
    }
    if (twoChildren && k % 7 != 6) {
      // The sister logs on after him, and does words more often.
      sim.localTime.minute = 50;
      masha.Morning(k % 3 == 0 ? 0 : 1 + k % 2, k % 3 == 2 ? 2 : 1, 25 - k / 3);
    }
  }
  // The report as the program writes it at the last unlock.
  journal::Journal journal(sim);
  journal.WriteReport();
  const bool saved = Save(paths[0], sim.files[journal.ReportPath()]) &&
                     (files < 2 || Save(paths[1], sim.files[journal.JournalPath()]));
  if (!saved) std::fprintf(stderr, "sample_report: cannot write the files\n");
  return saved ? 0 : 1;
}
