// The record of one window of the binding and the plumbing around it: the window procedure that every
// form, frame and standard control of ours runs through, the link between a window and its record, and the
// reflection of the notifications that a parent receives to the control that sent them.
// https://learn.microsoft.com/windows/win32/winmsg/about-window-procedures
#pragma once

#include <windows.h>

#include "forms/Forms.h"

namespace platform::win32 {

class Win32Platform;

inline constexpr wchar_t kFormClass[] = L"QuorvelForm";
inline constexpr wchar_t kFrameClass[] = L"QuorvelFrame";

// Made for a control when its form is loaded; the window owns it and deletes it when it is destroyed. The
// control finds it as its peer, the window in its user data.
class Window {
 public:
  Window(Win32Platform& platform, forms::Control& control);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  // Registers the form and frame classes, once per process.
  static void RegisterClasses(HINSTANCE instance);
  // The record of a form's window or of a window inside a form, all of which are ours; null while the
  // window is being made.
  static Window* Of(HWND hwnd);
  // The record of a control's window; null for a timer, or before its form is loaded.
  static Window* Of(const forms::Control& control) { return static_cast<Window*>(control.Peer()); }
  // A window of the form class: the only question to ask of a top-level window that may not be ours.
  static bool IsForm(HWND hwnd);

  // Makes the window in `parent` (none: a top-level window) with the kind's class and style, at the
  // control's place; false when the system refuses.
  bool Create(HWND parent, int id);
  // Forgets the control, whose form is going away: from now on the window's messages go straight to its
  // own procedure.
  void Detach() { control_ = nullptr; }

  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }
  forms::Control& control() const { return *control_; }
  Win32Platform& platform() const { return platform_; }

  // A property of the control changed: its window follows.
  virtual void Changed(forms::Prop what);
  // Where the window lies among its siblings, front (0) to back: windows are created front to back.
  virtual int Layer() const;

 protected:
  struct Style {
    const wchar_t* windowClass;
    DWORD style, exStyle;
  };
  struct Box {
    int x, y, width, height;
  };
  virtual Style Styled() const = 0;
  // Right after the window is made, before it is shown: the state that creation does not set.
  virtual void Created();
  // The control's place in pixels of its container.
  virtual Box Bounds() const;

  // The window's own messages; the standard control's: the key, focus and mouse events of the control.
  virtual LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);
  // Reflected from the parent: a WM_COMMAND notification, the colours to draw with (WM_CTLCOLOR*), and the
  // drawing of an owner-drawn control (WM_DRAWITEM).
  virtual void Command(int code);
  virtual LRESULT Colors(HDC dc);
  virtual void DrawItem(const DRAWITEMSTRUCT&) {}

  // The keyboard focus came to the control's window, or left it.
  void TookFocus();
  void LostFocus() { control_->form()->UserLostFocus(*control_); }

  // What the window's own procedure (the standard control's, or the system's default) does.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(original_, hwnd_, msg, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Link(HWND hwnd);
  // A notification from a child of ours, handled by the child; false when it is none.
  static bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  Win32Platform& platform_;
  forms::Control* control_;
  HWND hwnd_ = nullptr;
  WNDPROC original_ = DefWindowProcW;
  int id_ = 0;
  bool creating_ = false;
};

// The user pressed the control: its handler runs if it is shown and enabled.
void Click(forms::Control& control);

}  // namespace platform::win32
