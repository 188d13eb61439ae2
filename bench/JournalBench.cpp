// How long the journal keeps a check and the end waiting, on the real platform: appending one line to a
// journal of nearly 2 MB, the append that passes the limit and trims, and writing the report from a full
// journal: years of two siblings' mornings, and one crafted to be hard, about 29,000 mornings of one line
// each within the last 30 days; and what practice does with a full journal at start-up (reading its newest
// part, learning from it, the two deals of a multiplication start). Prints the medians in milliseconds.
//   journal_bench.exe [runs]   (in a folder of its own: it writes the journal and the report there)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "journal/Calendar.h"
#include "journal/Journal.h"
#include "journal/Lines.h"
#include "platform/win32/Win32Platform.h"
#include "practice/Practice.h"

namespace {

// The real platform, with the program's folder the current one.
class BenchPlatform : public platform::win32::Win32Platform {
 public:
  BenchPlatform() : Win32Platform(GetModuleHandleW(nullptr)) {}
  std::wstring AppPath() override {
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
  }
};

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// "2024-05-17T07:45:05" for a day number and the seconds into it.
std::string TimeOf(int day, int seconds) {
  const journal::Date date = journal::DateOf(day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", date.year, date.month, date.day,
                seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
  return text;
}

// Years of made-up mornings up to `today`, up to `size` bytes: each day a few checks of multiplication or
// words by one sibling and then the other.
std::string Mornings(size_t size, int today) {
  const char* words[][3] = {{"cat", "кошка / кот", "кошк"},
                            {"green", "зелёный / зеленый", "зилёный"},
                            {"window", "окно", "акно"},
                            {"mother", "мама / мать", "мамма"}};
  std::vector<std::string> days;
  size_t total = sizeof journal::kJournalStart;
  for (int day = 0; total < size; ++day) {
    std::string text;
    for (int child = 0; child < 2; ++child) {
      const std::string run = TimeOf(today - day, 7 * 3600 + 1800 * child + day % 60 * 17);
      const char* account = child ? "Маша" : "Петя";
      const int subject = (day + child) % 4 == 3 ? 1 : 0;
      for (int check = 0; check < 4; ++check) {
        for (int row = 0; row < 3; ++row) {
          const int a = 2 + (day + row * 3 + check) % 8, b = 2 + (day * 7 + row) % 8;
          const bool wrong = check == 0 && row == day % 3;
          char line[256];
          if (subject == 0) {
            std::snprintf(line, sizeof line, "%s\t%s\t%d.%d\t0\t%s\t%d\t%d × %d\t%d\t%d\t%s\t%s\r\n",
                          run.c_str(), run.c_str(), 20 + check * 15, day % 10, check == 3 ? "ВСЁ" : "Ещё",
                          row + 1, a, b, a * b, a * b + wrong, wrong ? "wrong" : "right", account);
          } else {
            const auto& word = words[(day + row) % 4];
            std::snprintf(line, sizeof line, "%s\t%s\t%d.%d\t1\t%s\t%d\t%s\t%s\t%s\t%s\t%s\r\n", run.c_str(),
                          run.c_str(), 20 + check * 15, day % 10, check == 3 ? "ВСЁ" : "Ещё", row + 1,
                          word[0], word[1], wrong ? word[2] : "кошка", wrong ? "wrong" : "right", account);
          }
          text += line;
        }
      }
      char unlock[160];
      std::snprintf(unlock, sizeof unlock, "%s\t%s\t%d.0\t%d\tВСЁ\t\t\t\t\tunlocked\t%s\r\n", run.c_str(),
                    run.c_str(), 60 + day % 200, subject, account);
      text += unlock;
    }
    total += text.size();
    days.push_back(std::move(text));
  }
  std::string journal = journal::kJournalStart;
  for (auto day = days.rbegin(); day != days.rend(); ++day) journal += *day;
  return journal;
}

// The journal that made the report slow: about 29,000 mornings of one line each (an unlock, as the program
// wrote it before the account column), 80 seconds apart, all within the last 30 days, up to `size` bytes.
std::string ShortMornings(size_t size, int today) {
  const int mornings = static_cast<int>(size / 72);
  std::string journal = journal::kJournalStart;
  for (int k = 0; journal.size() < size; ++k) {
    const int back = (mornings - k) * 80;
    const std::string run = TimeOf(today - back / 86400 - 1, 86400 - back % 86400);
    journal += run + "\t" + run + "\t" + std::to_string(30 + k % 500) + ".0\t0\tВСЁ\t\t\t\t\tunlocked\r\n";
  }
  return journal;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  BenchPlatform platform;
  journal::Journal journal(platform);
  journal.QuizShown();
  const platform::LocalTime now = platform.GetLocalTime();
  const int today = journal::DayNumber(now.year, now.month, now.day);
  const std::string full = Mornings(journal::kJournalLimit - 64 * 1024, today);
  const std::string crafted = ShortMornings(journal::kJournalLimit - 1024, today);

  std::vector<double> appends, trims, reports, craftedReports, practices;
  for (int run = 0; run < runs; ++run) {
    platform.ReplaceFile(journal.JournalPath(), full);
    double start = Now();
    journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
    appends.push_back(Now() - start);

    start = Now();
    journal.WriteReport();
    reports.push_back(Now() - start);

    start = Now();
    practice::Record record("");
    record.Read(practice::Newest(platform, journal.JournalPath()));
    std::uint64_t products[practice::kProducts];
    practice::ProductKeys(products);
    int picks[practice::kDeal];
    for (int deal = 0; deal < 2; ++deal) record.Deal(products, practice::kProducts, today, platform, picks);
    practices.push_back(Now() - start);

    platform.ReplaceFile(journal.JournalPath(), crafted);
    start = Now();
    journal.WriteReport();
    craftedReports.push_back(Now() - start);

    // Past the limit, so that the next line makes the journal drop its oldest half.
    platform.ReplaceFile(journal.JournalPath(),
                         full + Mornings(128 * 1024, today).substr(sizeof journal::kJournalStart - 1));
    start = Now();
    journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
    trims.push_back(Now() - start);
  }
  std::printf(
      "journals of %.2f MB (two siblings' mornings) and %.2f MB (%zu mornings of one line), %d runs each\n",
      static_cast<double>(full.size()) / (1024 * 1024), static_cast<double>(crafted.size()) / (1024 * 1024),
      static_cast<size_t>(std::count(crafted.begin(), crafted.end(), '\n') - 1), runs);
  std::printf("append a line:                    median %.2f ms\n", Median(appends));
  std::printf("append a line that trims:         median %.2f ms\n", Median(trims));
  std::printf("write the report:                 median %.2f ms\n", Median(reports));
  std::printf("write the report, short mornings: median %.2f ms\n", Median(craftedReports));
  std::printf("practice at start-up:             median %.2f ms\n", Median(practices));
  return 0;
}
