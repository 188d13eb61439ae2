// The process's peak memory, for the tests that bound it: the only part of the host tests that asks the
// system itself, so that they build and run on Windows as well.
#include "PeakMemory.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <psapi.h>
#include <windows.h>
#else
#include <sys/resource.h>
#endif

long long PeakMemoryKilobytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long long>(counters.PeakWorkingSetSize / 1024);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}
