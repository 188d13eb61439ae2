// The message loop, with the dialog keys (Tab, Enter, Escape) in every form, and DoEvents.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-isdialogmessagew
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Window.h"

namespace platform::win32 {

int Win32Platform::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void Win32Platform::Dispatch(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (Window::IsForm(root) && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Platform::DoEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

}  // namespace platform::win32
