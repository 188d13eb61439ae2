// The program's entry point: the real platform, the program's windows, the message loop.
#include <windows.h>

#include <cstdlib>

#include "app/Program.h"
#include "platform/win32/Win32Platform.h"

// The runtime's default reaction to an escaped exception prints the type's demangled name, which
// links a C++ demangler of ~45 KB into the exe; a GUI program has nowhere to print it anyway.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  platform::win32::Win32Platform platform(instance);
  app::Program program(platform);
  program.Start();
  return platform.Run();
}
