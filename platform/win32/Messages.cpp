// Window procedures: what the forms, the frames and the standard controls do with their messages,
// and the message loop with the dialog keys (Tab, Enter, Escape).
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-isdialogmessagew
#include <windows.h>

#include <unordered_map>
#include <vector>

#include "platform/win32/Artwork.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowClasses.h"

namespace platform::win32 {

using forms::Control;
using forms::Form;
using forms::Kind;

namespace {

Win32Platform* g_platform = nullptr;

// The form or frame a window stands for, kept in its user data from its creation on.
template <class Model>
Model* ModelOf(HWND hwnd, UINT msg, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  return g_platform ? reinterpret_cast<Model*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form* form = ModelOf<Form>(hwnd, msg, lParam);
  return form ? g_platform->FormMessage(*form, hwnd, msg, wParam, lParam)
              : DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Control* frame = ModelOf<Control>(hwnd, msg, lParam);
  return frame ? g_platform->FrameMessage(*frame, hwnd, msg, wParam, lParam)
               : DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The standard controls' own window procedures, by window: ours sees every message first.
std::unordered_map<HWND, WNDPROC> g_standardProcs;

}  // namespace

LRESULT CallStandardProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = g_standardProcs.find(hwnd);
  if (it == g_standardProcs.end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
  const WNDPROC standard = it->second;
  if (msg == WM_NCDESTROY) g_standardProcs.erase(it);
  return CallWindowProcW(standard, hwnd, msg, wParam, lParam);
}

namespace {

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!g_platform || !control) return CallStandardProc(hwnd, msg, wParam, lParam);
  return g_platform->ControlMessage(*control, hwnd, msg, wParam, lParam);
}

// The modifier state of a key or mouse event: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState() {
  return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

bool Usable(const Control& control) {
  return control.Visible() && control.Enabled();
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance, Win32Platform* platform) {
  g_platform = platform;
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = FormProc;
  form.hInstance = instance;
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  form.hIconSm =
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  form.lpszClassName = kFormClass;
  RegisterClassExW(&form);

  WNDCLASSEXW frame = form;
  frame.lpfnWndProc = FrameProc;
  frame.hIcon = frame.hIconSm = nullptr;
  frame.lpszClassName = kFrameClass;
  RegisterClassExW(&frame);
}

// Classic subclassing: it needs nothing from the common controls library, so that library is loaded only
// when the first tool tip is made, after the quiz is on screen.
void SubclassControl(HWND hwnd, Win32Platform*, Control* control) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  g_standardProcs[hwnd] = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(ControlProc))));
}

int Win32Platform::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void Win32Platform::Dispatch(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  Control* form = root ? ControlOf(root) : nullptr;
  if (form && form->kind() == Kind::Form && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

LRESULT Win32Platform::FormMessage(Form& form, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ChildNotification(hwnd, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (!DrawArt(dc, rect, form.Art(), dpi_)) FillRect(dc, &rect, BrushOf(form.BackColor()));
      return 1;
    }
    case DM_GETDEFID:
      if (Control* button = form.EnterButton()) return MAKELRESULT(windows_[button].id, DC_HASDEFID);
      return 0;
    case WM_TIMER:
      for (Control* control : form.Controls()) {
        if (control->kind() == Kind::Timer && windows_[control].id == static_cast<int>(wParam)) {
          auto& timer = static_cast<forms::Timer&>(*control);
          if (timer.Tick) timer.Tick();
        }
      }
      return 0;
    case WM_MOVE:
      if (!moving_) {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        form.UserMoved(Twips(rect.left), Twips(rect.top));
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) return 0;
      std::erase(activation_, &form);
      activation_.insert(activation_.begin(), &form);
      // Give the focus back to the control that had it, as dialogs do.
      if (Control* back = form.ReturnFocus()) {
        SetFocus(*back);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) return 0;
      break;
    case WM_CLOSE:
      return 0;  // Alt+F4 does not close a window of the quiz
    case WM_QUERYENDSESSION:
      return TRUE;  // never stands in the way of a shutdown
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT Win32Platform::FrameMessage(Control& frame, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ChildNotification(hwnd, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, BrushOf(frame.BackColor()));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      if (static_cast<forms::Frame&>(frame).Border()) {
        RECT rect;
        GetClientRect(hwnd, &rect);
        DrawFrame(dc, rect, frame.Caption().c_str(), FontOf(frame), ColorOf(frame.BackColor()),
                  ColorOf(frame.ForeColor()));
      }
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT done = DefWindowProcW(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return done;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT Win32Platform::ControlMessage(Control& control, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The handler sees every key; none is swallowed.
      if (control.KeyDown) control.KeyDown(static_cast<int>(wParam), ShiftState());
      break;
    case WM_SETFOCUS: {
      Form& form = *control.form();
      const Control* before = form.ActiveControl();
      form.UserFocused(control);
      if (before != &control &&
          ((before && before->kind() == Kind::CommandButton) || control.kind() == Kind::CommandButton)) {
        RedrawDefaultButton(form);
      }
      if (control.kind() == Kind::OptionButton) {
        UpdateGroupTabStop(control);
        // The standard control clicks an unchecked radio button that gets the focus. Coming to an option by
        // Tab or the arrow keys must not choose it: only a click or Space does.
        focusing_ = &control;
        const LRESULT result = CallStandardProc(hwnd, msg, wParam, lParam);
        focusing_ = nullptr;
        return result;
      }
      break;
    }
    case WM_KILLFOCUS:
      control.form()->UserLostFocus(control);
      if (control.kind() == Kind::OptionButton) UpdateGroupTabStop(control);
      break;
    // A quick second press comes as a double click: it is a press all the same.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (control.MouseDown) {
        const int button = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK   ? 1
                           : msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ? 2
                                                                              : 4;
        const POINTS at = MAKEPOINTS(lParam);
        control.MouseDown(button, ShiftState(), Twips(at.x), Twips(at.y));
        return 0;
      }
      break;
  }
  return CallStandardProc(hwnd, msg, wParam, lParam);
}

bool Win32Platform::ChildNotification(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      HWND root = GetAncestor(parent, GA_ROOT);
      auto* form = static_cast<Form*>(ControlOf(root));
      Control* control = lParam ? ControlOf(reinterpret_cast<HWND>(lParam)) : nullptr;
      const int code = HIWORD(wParam);
      if (!control && form) {
        // Enter and Escape from the dialog keys: by id, or the form's cancel button.
        const int id = LOWORD(wParam);
        control = ControlById(*form, id);
        if (id == IDCANCEL) {
          for (Control* candidate : form->Controls()) {
            if (candidate->kind() == Kind::CommandButton &&
                static_cast<forms::CommandButton*>(candidate)->Cancel()) {
              control = candidate;
            }
          }
        }
        if (control && Usable(*control) && control->Click) control->Click();
        result = 0;
        return true;
      }
      if (!control) return false;
      if (control->kind() == Kind::TextBox && code == EN_CHANGE) {
        const int length = GetWindowTextLengthW(reinterpret_cast<HWND>(lParam));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(reinterpret_cast<HWND>(lParam), text.data(), length + 1);
        text.resize(static_cast<size_t>(length));
        control->UserSetCaption(text);
      } else if (control == focusing_) {
        // The click that came with the focus.
      } else if ((code == BN_CLICKED || code == STN_CLICKED ||
                  // A quick second click on a picture is a click too: two clicks open and close the help.
                  (code == STN_DBLCLK && control->kind() == Kind::PictureBox)) &&
                 control->kind() != Kind::TextBox) {
        if (Usable(*control) && control->Click) control->Click();
      }
      result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
      if (!control) return false;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ColorOf(control->ForeColor()));
      SetBkColor(dc, ColorOf(control->BackColor()));
      result = reinterpret_cast<LRESULT>(BrushOf(control->BackColor()));
      return true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      Control* control = ControlOf(item.hwndItem);
      if (!control) return false;
      if (control->kind() == Kind::CommandButton) {
        // The default button's frame tells which button Enter presses.
        DrawButton(item, control->Caption().c_str(),
                   ButtonLook{ColorOf(control->BackColor()), ColorOf(control->ForeColor()), FontOf(*control),
                              control == control->form()->EnterButton()});
      } else if (control->kind() == Kind::PictureBox) {
        DrawArt(item.hDC, item.rcItem, static_cast<forms::PictureBox&>(*control).Art(), dpi_);
      }
      result = TRUE;
      return true;
    }
  }
  return false;
}

}  // namespace platform::win32
