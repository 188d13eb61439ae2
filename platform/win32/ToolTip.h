// The tool tips of one form's controls, in one tool tip window of the common controls library.
// https://learn.microsoft.com/windows/win32/controls/tooltip-controls
#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

class ToolTip {
 public:
  ToolTip() = default;
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;
  ~ToolTip() { Destroy(); }
  void Destroy();

  // Shows `text` when the mouse rests on `control`, a window inside `form`; empty text shows none.
  void Set(HINSTANCE instance, HWND form, HWND control, const std::wstring& text);

 private:
  HWND window_ = nullptr;
};

}  // namespace platform::win32
