// Start-up time, measured side by side: for each program, from CreateProcess to the moment its first
// top-level window is visible, over runs that take turns; prints the medians and the program's ratio to
// each floor.
//   startup_bench.exe <runs> <program.exe> <floor.exe>...
// Each program runs in the current folder; the bench ends it once its window is up.
//   startup_bench.exe --journal <file> <bytes>
// writes a journal of years of made-up mornings of this account, up to yesterday, for the start-up that
// reads it (practice).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD pid;
  bool visible;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search.pid && IsWindowVisible(hwnd)) {
    search.visible = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from process creation to a visible window, or -1.
double TimeToWindow(const wchar_t* exe) {
  wchar_t command[MAX_PATH + 2];
  wsprintfW(command, L"\"%s\"", exe);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  double elapsed = -1;
  for (;;) {
    Search search{process.dwProcessId, false};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    const double ms =
        1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (search.visible) {
      elapsed = ms;
      break;
    }
    if (ms > 20000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(0);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

// One morning of `account` on the day `daysAgo` before today: three products, one of them wrong at the first
// check and right at the second, then "ВСЁ"; every fourth morning words instead.
std::string Morning(int daysAgo, int n, const std::string& account) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME time;
  SystemTimeToFileTime(&now, &time);
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart -= static_cast<ULONGLONG>(daysAgo) * 24 * 60 * 60 * 10000000;
  time = {ticks.LowPart, ticks.HighPart};
  SYSTEMTIME day;
  FileTimeToSystemTime(&time, &day);
  char run[32], line[512];
  wsprintfA(run, "%04d-%02d-%02dT07:%02d:05", day.wYear, day.wMonth, day.wDay, n % 60);
  const char* words[][3] = {
      {"cat", "кошка / кот", "кошк"}, {"window", "окно", "акно"}, {"green", "зелёный", "зилёный"}};
  std::string text;
  for (int check = 0; check < 2; ++check) {
    for (int row = 0; row < 3; ++row) {
      const int a = 2 + (n * 3 + row * 5) % 8, b = 2 + (n * 7 + row) % 8;
      const bool wrong = check == 0 && row == n % 3;
      if (n % 4 == 3) {
        const auto& word = words[(n + row) % 3];
        wsprintfA(line, "%s\t%s\t%d.%d\t1\t%s\t%d\t%s\t%s\t%s\t%s\t%s\r\n", run, run, 20 + check * 15, n % 10,
                  check ? "ВСЁ" : "Ещё", row + 1, word[0], word[1], wrong ? word[2] : "окно",
                  wrong ? "wrong" : "right", account.c_str());
      } else {
        wsprintfA(line, "%s\t%s\t%d.%d\t0\t%s\t%d\t%d × %d\t%d\t%d\t%s\t%s\r\n", run, run, 20 + check * 15,
                  n % 10, check ? "ВСЁ" : "Ещё", row + 1, a, b, a * b, a * b + wrong,
                  wrong ? "wrong" : "right", account.c_str());
      }
      text += line;
    }
  }
  wsprintfA(line, "%s\t%s\t%d.0\t%d\tВСЁ\t\t\t\t\tunlocked\t%s\r\n", run, run, 40 + n % 30, n % 4 == 3,
            account.c_str());
  return text + line;
}

int WriteJournal(const wchar_t* path, size_t size) {
  wchar_t user[256];
  DWORD length = 256;
  char account[1024] = {};
  if (!GetUserNameW(user, &length) ||
      !WideCharToMultiByte(CP_UTF8, 0, user, -1, account, sizeof account, nullptr, nullptr)) {
    return 1;
  }
  const size_t mornings = size / Morning(1, 0, account).size() + 1;
  std::string text =
      "\xEF\xBB\xBFtime\trun\tseconds\tsubject\tbutton\trow\tproblem\taccepted\ttyped\tverdict\taccount\r\n";
  for (size_t n = 0; n < mornings && text.size() < size; ++n) {
    text += Morning(static_cast<int>(mornings - n), static_cast<int>(n), account);
  }
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const bool done = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  std::printf("journal of %.2f MB, %u mornings\n", static_cast<double>(text.size()) / (1024 * 1024),
              static_cast<unsigned>(mornings));
  return done ? 0 : 1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wstring(argv[1]) == L"--journal") return WriteJournal(argv[2], _wtoi(argv[3]));
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_bench <runs> <program.exe> <floor.exe>...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]), programs = argc - 2;
  std::vector<std::vector<double>> times(static_cast<size_t>(programs));
  // Warms the file cache and the system's own start-up work.
  for (int p = 0; p < programs; ++p) TimeToWindow(argv[2 + p]);
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < programs; ++p) {
      // A pause lets the system finish tearing the last process down before the next one is timed.
      Sleep(300);
      times[static_cast<size_t>(p)].push_back(TimeToWindow(argv[2 + p]));
    }
  }
  const double program = Median(times[0]);
  std::printf("%-16ls median %.1f ms over %d runs\n", argv[2], program, runs);
  for (int p = 1; p < programs; ++p) {
    const double floor = Median(times[static_cast<size_t>(p)]);
    std::printf("%-16ls median %.1f ms: ratio %.3f\n", argv[2 + p], floor, program / floor);
  }
  return 0;
}
