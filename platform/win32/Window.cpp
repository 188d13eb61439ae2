#include "platform/win32/Window.h"

#include "forms/Keys.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

using forms::Control;
using forms::Prop;

namespace {

ATOM g_formClass = 0;

int ShiftState() {
  namespace Modifier = forms::Modifier;
  return (GetKeyState(VK_SHIFT) < 0 ? Modifier::Shift : 0) |
         (GetKeyState(VK_CONTROL) < 0 ? Modifier::Ctrl : 0) | (GetKeyState(VK_MENU) < 0 ? Modifier::Alt : 0);
}

// 1 left, 2 right, 4 middle; 0 for any other message. A quick second press comes as a double click: it is
// a press all the same.
int ButtonOf(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      return 4;
  }
  return 0;
}

}  // namespace

void Click(Control& control) {
  if (control.Visible() && control.Enabled() && control.Click) control.Click();
}

Window::Window(Win32Platform& platform, Control& control) : platform_(platform), control_(&control) {
  control.SetPeer(this);
}

Window::~Window() {
  // A window that could not be made, while its control lives on.
  if (control_) control_->SetPeer(nullptr);
}

void Window::RegisterClasses(HINSTANCE instance) {
  if (g_formClass) return;
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = Proc;
  form.hInstance = instance;
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  form.hIconSm =
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  form.lpszClassName = kFormClass;
  g_formClass = RegisterClassExW(&form);

  WNDCLASSEXW frame = form;
  frame.hIcon = frame.hIconSm = nullptr;
  frame.lpszClassName = kFrameClass;
  RegisterClassExW(&frame);
}

// Every window of a form is ours, so its user data is a record. Any other window of the process (a tool
// tip, the input method's) is a top-level one: only IsForm may be asked about those.
Window* Window::Of(HWND hwnd) {
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Window::IsForm(HWND hwnd) {
  return hwnd && g_formClass && GetClassWord(hwnd, GCW_ATOM) == g_formClass;
}

bool Window::Create(HWND parent, int id) {
  id_ = id;
  const Style style = Styled();
  const Box box = Bounds();
  creating_ = true;
  HWND hwnd = CreateWindowExW(style.exStyle, style.windowClass, control_->Caption().c_str(), style.style,
                              box.x, box.y, box.width, box.height, parent,
                              parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr,
                              platform_.Instance(), this);
  creating_ = false;
  if (!hwnd) return false;
  if (!hwnd_) {
    // A standard control: ours sees its messages first from here on. Classic subclassing needs nothing
    // from the common controls library, which is loaded only for the first tool tip.
    Link(hwnd);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(Proc))));
  }
  Created();
  return true;
}

void Window::Link(HWND hwnd) {
  hwnd_ = hwnd;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)->Link(hwnd);
  }
  Window* window = Of(hwnd);
  if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    const LRESULT result = window->Default(msg, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    // A window refused while it was being made leaves its record to the one who made it.
    if (window->creating_) {
      window->hwnd_ = nullptr;
    } else {
      delete window;
    }
    return result;
  }
  if (!window->control_) return window->Default(msg, wParam, lParam);
  LRESULT result = 0;
  if (Reflect(msg, wParam, lParam, result)) return result;
  return window->Message(msg, wParam, lParam);
}

bool Window::Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND from = nullptr;
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      from = reinterpret_cast<HWND>(lParam);
      break;
    case WM_DRAWITEM:
      from = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
      break;
    default:
      return false;
  }
  Window* child = from ? Of(from) : nullptr;
  if (!child || !child->control_) return false;
  if (msg == WM_COMMAND) {
    child->Command(HIWORD(wParam));
  } else if (msg == WM_DRAWITEM) {
    child->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
  } else {
    result = child->Colors(reinterpret_cast<HDC>(wParam));
  }
  return true;
}

void Window::Created() {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(platform_.Gdi().Font(control_->GetFont())), FALSE);
}

Window::Box Window::Bounds() const {
  const Scale& scale = platform_.scale();
  return {scale.Px(control_->Left()), scale.Px(control_->Top()), scale.Px(control_->Width()),
          scale.Px(control_->Height())};
}

// Pictures, and controls that overlap a frame beside them, lie in front (a front control that takes the
// focus is also reached first by Tab); labels lie at the back, as text drawn on the container would.
int Window::Layer() const {
  const Control& control = *control_;
  for (const Control* frame : control.form()->Controls()) {
    if (frame->Container() != control.Container() || frame->kind() != forms::Kind::Frame) continue;
    const bool overlaps =
        control.Left() < frame->Left() + frame->Width() && frame->Left() < control.Left() + control.Width() &&
        control.Top() < frame->Top() + frame->Height() && frame->Top() < control.Top() + control.Height();
    if (overlaps) return 0;
  }
  return 1;
}

void Window::Changed(Prop what) {
  Control& control = *control_;
  switch (what) {
    case Prop::Caption:
      SetWindowTextW(hwnd_, control.Caption().c_str());
      break;
    case Prop::Move: {
      const Box box = Bounds();
      // No copied bits: a right-aligned label that grows must be drawn afresh, not shifted.
      SetWindowPos(hwnd_, nullptr, box.x, box.y, box.width, box.height,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    }
    case Prop::Visible:
      ShowWindow(hwnd_, control.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Prop::Enabled:
      EnableWindow(hwnd_, control.Enabled());
      break;
    case Prop::Colors:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Prop::Font:
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(platform_.Gdi().Font(control.GetFont())),
                   TRUE);
      break;
    case Prop::ToolTip:
      if (auto* form = static_cast<FormWindow*>(Of(*control.form()))) form->ToolTipChanged(control);
      break;
    default:
      break;  // the kind's own
  }
}

LRESULT Window::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  Control& control = *control_;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The handler sees every key; none is swallowed.
      if (control.KeyDown) control.KeyDown(static_cast<int>(wParam), ShiftState());
      break;
    case WM_SETFOCUS:
      TookFocus();
      break;
    case WM_KILLFOCUS:
      LostFocus();
      break;
    default:
      if (ButtonOf(msg) && control.MouseDown) {
        const POINTS at = MAKEPOINTS(lParam);
        const Scale& scale = platform_.scale();
        control.MouseDown(ButtonOf(msg), ShiftState(), scale.Twips(at.x), scale.Twips(at.y));
        return 0;
      }
  }
  return Default(msg, wParam, lParam);
}

void Window::TookFocus() {
  forms::Form& form = *control_->form();
  // The default button is framed while Enter would press it, which changes as the focus moves.
  const Control* before = form.EnterButton();
  form.UserFocused(*control_);
  const Control* after = form.EnterButton();
  if (after == before) return;
  for (const Control* button : {before, after}) {
    if (Window* window = button ? Of(*button) : nullptr) InvalidateRect(window->hwnd_, nullptr, FALSE);
  }
}

// BN_CLICKED and STN_CLICKED are the same code.
void Window::Command(int code) {
  if (code == BN_CLICKED) Click(*control_);
}

LRESULT Window::Colors(HDC dc) {
  SetTextColor(dc, ColorOf(control_->ForeColor()));
  SetBkColor(dc, ColorOf(control_->BackColor()));
  return reinterpret_cast<LRESULT>(platform_.Gdi().Brush(control_->BackColor()));
}

}  // namespace platform::win32
