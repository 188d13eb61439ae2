// Start-up time, measured side by side: for each program, from CreateProcess to the moment its first
// top-level window is visible, over runs that take turns; prints the medians and the program's ratio to
// each floor.
//   startup_bench.exe <runs> <program.exe> <floor.exe>...
// Each program runs in the current folder; the bench ends it once its window is up.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
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
