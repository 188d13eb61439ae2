// The program's entry point: the real platform, the program's windows, the message loop.
#include <windows.h>

#include "app/Program.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  platform::win32::Win32Platform platform(instance);
  app::Program program(platform);
  program.Start();
  return platform.Run();
}
