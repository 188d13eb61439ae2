// The window classes of the binding and the subclassing of standard controls.
#pragma once

#include <windows.h>

#include "forms/Forms.h"

namespace platform::win32 {

class Win32Platform;

inline constexpr wchar_t kFormClass[] = L"QuorvelForm";
inline constexpr wchar_t kFrameClass[] = L"QuorvelFrame";

// Registers the form and frame classes once per process; their messages go to `platform`.
void RegisterWindowClasses(HINSTANCE instance, Win32Platform* platform);
// Routes a standard control's own messages (keys, mouse presses) to `platform` as well.
void SubclassControl(HWND hwnd, Win32Platform* platform, forms::Control* control);
// Passes a message on to a subclassed control's own window procedure.
LRESULT CallStandardProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace platform::win32
