// Every kind of control on its window, one section per kind, each defined in the file named after it and
// holding all of that kind's Win32 behaviour: its window class and style, its state that creation does not
// set, its notifications, colours and drawing. Then the form's own window and the timers, which have none.
// https://learn.microsoft.com/windows/win32/controls/individual-control-info
#pragma once

#include <memory>

#include "platform/win32/ToolTip.h"
#include "platform/win32/Window.h"

namespace platform::win32 {

// The record for a control's window, by the control's kind; null for a timer (Binding.cpp).
std::unique_ptr<Window> MakeWindow(Win32Platform& platform, forms::Control& control);
// The windows of the controls inside `container` (null: on the form itself), in `parent` (Binding.cpp).
void CreateChildren(Win32Platform& platform, forms::Form& form, forms::Control* container, HWND parent);

// The style every child window shares: its container clips it, and it starts as shown and enabled as
// the control is.
DWORD ChildStyle(const forms::Control& control);

// --- Label (Label.cpp) ---

class LabelWindow : public Window {
 public:
  using Window::Window;
  int Layer() const override;

 protected:
  Style Styled() const override;
};

// --- TextBox (TextBox.cpp) ---

class TextBoxWindow : public Window {
 public:
  using Window::Window;
  void Changed(forms::Prop what) override;

 protected:
  Style Styled() const override;
  void Created() override;
  void Command(int code) override;

 private:
  forms::TextBox& box() const { return static_cast<forms::TextBox&>(control()); }
};

// --- CommandButton (CommandButton.cpp) ---

class CommandButtonWindow : public Window {
 public:
  using Window::Window;

 protected:
  Style Styled() const override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
};

// --- OptionButton (OptionButton.cpp) ---

class OptionButtonWindow : public Window {
 public:
  using Window::Window;
  void Changed(forms::Prop what) override;

 protected:
  Style Styled() const override;
  void Created() override;
  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Command(int code) override;

 private:
  forms::OptionButton& option() const { return static_cast<forms::OptionButton&>(control()); }
  void ClipUnderLaterOptions();
  void UpdateGroupTabStop();
  bool focusing_ = false;  // the standard control is taking the focus
};

// Option buttons that share a container are one group for the dialog keys: Tab stops once in it, the arrow
// keys move within it. Marked once all the form's windows are made.
void MarkOptionGroups(forms::Form& form);

// --- PictureBox (PictureBox.cpp) ---

class PictureBoxWindow : public Window {
 public:
  using Window::Window;
  int Layer() const override;

 protected:
  Style Styled() const override;
  void Command(int code) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
};

// --- Frame (Frame.cpp) ---

class FrameWindow : public Window {
 public:
  using Window::Window;
  int Layer() const override;

 protected:
  Style Styled() const override;
  void Created() override;
  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
};

// --- Line (Line.cpp) ---

class LineWindow : public Window {
 public:
  using Window::Window;

 protected:
  Style Styled() const override;
  Box Bounds() const override;
};

// --- Timer (Timer.cpp): no window of its own ---

// Starts or stops the timer as its interval and enabled state say.
void UpdateTimer(forms::Timer& timer);
// Runs the Tick of the form's timer that WM_TIMER names.
void TimerTicked(forms::Form& form, WPARAM id);

// --- Form (Form.cpp) ---

class FormWindow : public Window {
 public:
  FormWindow(Win32Platform& platform, forms::Form& form) : Window(platform, form) {}
  void Changed(forms::Prop what) override;
  void ToolTipChanged(forms::Control& control);
  // Destroys the window of a form whose controls are gone already, and every window inside it.
  void Unload();

 protected:
  Style Styled() const override;
  void Created() override {}
  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  forms::Form& form() const { return static_cast<forms::Form&>(control()); }
  void Show();
  void Hide();
  bool Activated();
  void DialogKey(int id);
  LRESULT DefaultId() const;

  bool moving_ = false;     // our own SetWindowPos is moving it: its WM_MOVE is no news
  bool shownOnce_ = false;  // tool tips are made at the first showing
  ToolTip toolTip_;
};

}  // namespace platform::win32
