#include "platform/win32/ToolTip.h"
// after windows.h, which it needs
#include <commctrl.h>

namespace platform::win32 {

namespace {

// The common controls library serves the tool tips alone: it is loaded on their first use, not at start.
bool CommonControlsReady() {
  using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const auto init = reinterpret_cast<Init>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx")));
  if (!init) return false;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  init(&classes);
  return true;
}

}  // namespace

void ToolTip::Destroy() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

void ToolTip::Set(HINSTANCE instance, HWND form, HWND control, const std::wstring& text) {
  if (!window_) {
    if (!CommonControlsReady()) return;
    // Unowned: a topmost popup owned by the form keeps Wine from making the form itself topmost.
    window_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                        0, 0, 0, nullptr, nullptr, instance, nullptr);
  }
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<wchar_t*>(text.c_str());  // the tool tip keeps a copy
  SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (!text.empty()) SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace platform::win32
