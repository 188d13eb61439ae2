// A form's own window: a borderless popup that paints its background, presses its buttons for Enter and
// Escape, runs its timers, gives the keyboard back when it is active again or hidden, and is closed by
// nothing but the program.
#include "platform/win32/Artwork.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

using forms::Control;
using forms::Prop;

namespace {

// The task bar shows the quiz window alone; the message and the help are tool windows.
bool InTaskBar(const forms::Form& form) {
  return form.Art() == forms::Picture::QuizBackground;
}

BOOL CALLBACK DetachWindow(HWND hwnd, LPARAM) {
  if (Window* window = Window::Of(hwnd)) window->Detach();
  return TRUE;
}

}  // namespace

Window::Style FormWindow::Styled() const {
  return {kFormClass, WS_POPUP | WS_CLIPCHILDREN,
          InTaskBar(form()) ? 0u : static_cast<DWORD>(WS_EX_TOOLWINDOW)};
}

void FormWindow::Unload() {
  // The form's controls are gone already: every window of the form forgets its control before it hears of
  // its end.
  toolTip_.Destroy();
  EnumChildWindows(hwnd(), DetachWindow, 0);
  form().SetPeer(nullptr);
  Detach();
  DestroyWindow(hwnd());
}

void FormWindow::Changed(Prop what) {
  switch (what) {
    case Prop::Move: {
      const Box box = Bounds();
      moving_ = true;
      SetWindowPos(hwnd(), nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
      moving_ = false;
      break;
    }
    case Prop::Visible:
      if (form().Visible()) {
        Show();
      } else {
        Hide();
      }
      break;
    default:
      Window::Changed(what);
  }
}

void FormWindow::Show() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (shownOnce_) return;
  shownOnce_ = true;
  // Tool tips wait until the window is up: nobody can point at a control before that.
  for (Control* control : form().Controls()) {
    if (!control->ToolTipText().empty()) ToolTipChanged(*control);
  }
}

void FormWindow::Hide() {
  // The system activates the next window down, or none at all (as Wine often does): the keyboard goes back
  // to the form that was active before, to the control that had the focus there. It is chosen before the
  // system's choice is made.
  forms::Form* back = GetActiveWindow() == hwnd() ? platform().ActiveBefore(form()) : nullptr;
  ShowWindow(hwnd(), SW_HIDE);
  if (!back) return;
  if (const Window* window = Of(*back)) SetForegroundWindow(window->hwnd());
  if (Control* control = back->ReturnFocus()) platform().SetFocus(*control);
}

void FormWindow::ToolTipChanged(Control& control) {
  const Window* window = Of(control);
  if (shownOnce_ && window)
    toolTip_.Set(platform().Instance(), hwnd(), window->hwnd(), control.ToolTipText());
}

LRESULT FormWindow::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd(), &rect);
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (!DrawArt(dc, rect, form().Art(), platform().scale())) {
        FillRect(dc, &rect, platform().Gdi().Brush(form().BackColor()));
      }
      return 1;
    }
    case WM_COMMAND:
      if (lParam) break;
      DialogKey(LOWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return DefaultId();
    case WM_TIMER:
      TimerTicked(form(), wParam);
      return 0;
    case WM_MOVE:
      if (!moving_) {
        RECT rect;
        GetWindowRect(hwnd(), &rect);
        form().UserMoved(platform().scale().Twips(rect.left), platform().scale().Twips(rect.top));
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && Activated()) return 0;
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) return 0;
      break;
    case WM_CLOSE:
      return 0;  // Alt+F4 does not close a window of the quiz
    case WM_QUERYENDSESSION:
      return TRUE;  // never stands in the way of a shutdown
  }
  return Default(msg, wParam, lParam);
}

// True when the focus went back to the control that had it, as dialogs do.
bool FormWindow::Activated() {
  platform().Activated(form());
  Control* back = form().ReturnFocus();
  if (back) platform().SetFocus(*back);
  return back;
}

// Enter and Escape from the dialog keys: the button of that id, or the form's cancel button.
void FormWindow::DialogKey(int id) {
  const auto& controls = form().Controls();
  Control* control = id >= 100 && id - 100 < static_cast<int>(controls.size()) ? controls[id - 100] : nullptr;
  if (id == IDCANCEL) {
    for (Control* candidate : controls) {
      if (candidate->kind() == forms::Kind::CommandButton &&
          static_cast<forms::CommandButton*>(candidate)->Cancel()) {
        control = candidate;
      }
    }
  }
  if (control) Click(*control);
}

LRESULT FormWindow::DefaultId() const {
  const Window* button = form().EnterButton() ? Of(*form().EnterButton()) : nullptr;
  return button ? MAKELRESULT(button->id(), DC_HASDEFID) : 0;
}

}  // namespace platform::win32
