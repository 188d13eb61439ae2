// How long the journal keeps a check and the end waiting, on the real platform: appending one line to a
// journal of nearly 2 MB, the append that passes the limit and trims, and writing the report from a full
// journal; and what practice does with it at start-up (reading its newest part, learning from it, the two
// deals of a multiplication start). Prints the medians in milliseconds.
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

// Years of made-up mornings, each a few checks of multiplication or words, up to `size` bytes.
std::string Mornings(size_t size) {
  std::string text = journal::kJournalStart;
  const char* words[][3] = {{"cat", "кошка / кот", "кошк"},
                            {"green", "зелёный / зеленый", "зилёный"},
                            {"window", "окно", "акно"},
                            {"mother", "мама / мать", "мамма"}};
  for (int day = 0; text.size() < size; ++day) {
    char run[32];
    std::snprintf(run, sizeof run, "%04d-%02d-%02dT07:%02d:05", 2019 + day / 336, 1 + day / 28 % 12,
                  1 + day % 28, day % 60);
    const int subject = day % 4 == 3 ? 1 : 0;
    for (int check = 0; check < 4 && text.size() < size; ++check) {
      for (int row = 0; row < 3; ++row) {
        const int a = 2 + (day + row * 3 + check) % 8, b = 2 + (day * 7 + row) % 8;
        const bool wrong = check == 0 && row == day % 3;
        char line[256];
        if (subject == 0) {
          std::snprintf(line, sizeof line, "%s\t%s\t%d.%d\t0\t%s\t%d\t%d × %d\t%d\t%d\t%s\r\n", run, run,
                        20 + check * 15, day % 10, check == 3 ? "ВСЁ" : "Ещё", row + 1, a, b, a * b,
                        a * b + wrong, wrong ? "wrong" : "right");
        } else {
          const auto& word = words[(day + row) % 4];
          std::snprintf(line, sizeof line, "%s\t%s\t%d.%d\t1\t%s\t%d\t%s\t%s\t%s\t%s\r\n", run, run,
                        20 + check * 15, day % 10, check == 3 ? "ВСЁ" : "Ещё", row + 1, word[0], word[1],
                        wrong ? word[2] : "кошка", wrong ? "wrong" : "right");
        }
        text += line;
      }
    }
    char unlock[128];
    std::snprintf(unlock, sizeof unlock, "%s\t%s\t%d.0\t%d\tВСЁ\t\t\t\t\tunlocked\r\n", run, run,
                  60 + day % 200, subject);
    text += unlock;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  BenchPlatform platform;
  journal::Journal journal(platform);
  journal.QuizShown();
  const std::string full = Mornings(journal::kJournalLimit - 64 * 1024);

  std::vector<double> appends, trims, reports, practices;
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
    const platform::LocalTime now = platform.GetLocalTime();
    for (int deal = 0; deal < 2; ++deal) {
      record.Deal(products, practice::kProducts, journal::DayNumber(now.year, now.month, now.day), platform,
                  picks);
    }
    practices.push_back(Now() - start);

    // Past the limit, so that the next line makes the journal drop its oldest half.
    platform.ReplaceFile(journal.JournalPath(),
                         full + Mornings(128 * 1024).substr(sizeof journal::kJournalStart - 1));
    start = Now();
    journal.Product(1, 0, 7, 8, L"54", journal::Verdict::Wrong);
    trims.push_back(Now() - start);
  }
  std::printf("journal of %.2f MB, %d runs each\n", static_cast<double>(full.size()) / (1024 * 1024), runs);
  std::printf("append a line:               median %.2f ms\n", Median(appends));
  std::printf("append a line that trims:    median %.2f ms\n", Median(trims));
  std::printf("write the report:            median %.2f ms\n", Median(reports));
  std::printf("practice at start-up:        median %.2f ms\n", Median(practices));
  return 0;
}
