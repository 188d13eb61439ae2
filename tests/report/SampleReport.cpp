// Writes the report of a made-up month of mornings, for a browser to render: a child who gets faster,
// keeps tripping over a few multiplication facts and words, and misses a few days.
//   sample_report <report.html> [<journal.txt>]
#include <cstdio>
#include <string>

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
                       {L"<b>&", L"знаки", L"", L"<i>"}};

class Child {
 public:
  Child(platform::SimPlatform& sim, journal::Journal& journal) : sim_(sim), journal_(journal) {}

  // One morning: `sets` deals of three problems, the last one finished with "ВСЁ".
  void Morning(int subject, int sets, int slowness) {
    journal_.QuizShown();
    for (int set = 0; set < sets; ++set) {
      const int button = set + 1 == sets ? 0 : 1;
      int a[3], b[3];
      bool wrong[3];
      for (int r = 0; r < 3; ++r) {
        a[r] = Factor();
        b[r] = Factor();
        // 7 × 8 and its neighbours are the hard ones.
        const bool hard = (a[r] * b[r]) % 7 == 0 || a[r] * b[r] == 54;
        wrong[r] = random_.Next() < (hard ? 0.45f : 0.08f);
      }
      Wait(slowness);
      if (subject == 0 && random_.Next() < 0.1f) {
        // Enter before the second box was filled in: the rows after it are not looked at.
        journal_.Product(1, 0, a[0], b[0], std::to_wstring(a[0] * b[0]), journal::Verdict::Right);
        journal_.Product(1, 1, a[1], b[1], L"", journal::Verdict::NotANumber);
        Wait(slowness);
      }
      const bool anyWrong = wrong[0] || wrong[1] || wrong[2];
      for (int click = 0; click < 2; ++click) {
        // A check that finds a mistake is made with Enter, which presses "Ещё".
        const int pressed = click == 0 && anyWrong ? 1 : button;
        for (int r = 0; r < 3; ++r) {
          const bool slip = wrong[r] && click == 0;
          if (subject == 0) {
            const int typed = slip ? a[r] * b[r] + (random_.Next() < 0.5f ? 2 : -a[r]) : a[r] * b[r];
            journal_.Product(pressed, r, a[r], b[r], std::to_wstring(typed),
                             slip ? journal::Verdict::Wrong : journal::Verdict::Right);
          } else {
            const Word& word = kWords[(a[r] * 3 + b[r]) % 7];
            journal_.Word(pressed, subject, r, subject == 1 ? word.shown : word.answer,
                          subject == 1 ? word.answer : word.shown, subject == 1 ? word.alternative : L"",
                          slip           ? word.slip
                          : subject == 1 ? word.answer
                                         : word.shown,
                          !slip);
          }
        }
        if (!anyWrong) break;
        Wait(slowness);
      }
    }
    journal_.Unlocked();
  }

 private:
  int Factor() { return 2 + static_cast<int>(8 * random_.Next()); }
  void Wait(int seconds) {
    sim_.tickCount += static_cast<std::uint32_t>(1000 * seconds + 1000 * seconds * random_.Next());
  }

  platform::SimPlatform& sim_;
  journal::Journal& journal_;
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
  if (argc < 2) {
    std::fprintf(stderr, "usage: sample_report <report.html> [<journal.txt>]\n");
    return 2;
  }
  platform::SimPlatform sim;
  journal::Journal journal(sim);
  Child child(sim, journal);
  // April 18 to May 17, 2024, with a long weekend off and a day the computer was switched off mid-quiz.
  for (int k = 0; k < 30; ++k) {
    const int day = 18 + k;
    sim.localTime = day <= 30 ? platform::LocalTime{2024, 4, day, 7, 20 + k % 15, 5}
                              : platform::LocalTime{2024, 5, day - 30, 7, 20 + k % 15, 5};
    if (k == 13 || k == 14 || k == 22) continue;
    const int subject = k % 5 == 3 ? 1 : k % 5 == 4 ? 2 : 0;
    child.Morning(subject, 1 + k % 3, 30 - k / 2);
    if (k == 9) {
      sim.localTime.hour = 18;
      journal.QuizShown();
      journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
    }
  }
  const bool saved = Save(argv[1], sim.files[journal.ReportPath()]) &&
                     (argc < 3 || Save(argv[2], sim.files[journal.JournalPath()]));
  if (!saved) std::fprintf(stderr, "sample_report: cannot write the files\n");
  return saved ? 0 : 1;
}
