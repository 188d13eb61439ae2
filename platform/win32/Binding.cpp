// Forms onto real windows: a top-level popup per form, a standard child control per control,
// and every property change mirrored onto its window.
// https://learn.microsoft.com/windows/win32/controls/individual-control-info
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowClasses.h"

namespace platform::win32 {

using forms::Control;
using forms::Form;
using forms::Kind;
using forms::Prop;

Win32Platform::Win32Platform(HINSTANCE instance, int dpi) : instance_(instance), dpi_(dpi) {
  if (dpi_ <= 0) {
    // Asking the user interface is cheap; a screen DC would start the whole display driver before the
    // first window needs it. Systems before Windows 10 have only the DC.
    using SystemDpi = UINT(WINAPI*)();
    if (auto systemDpi = reinterpret_cast<SystemDpi>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")))) {
      dpi_ = static_cast<int>(systemDpi());
    } else {
      HDC screen = GetDC(nullptr);
      dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
      ReleaseDC(nullptr, screen);
    }
  }
  if (dpi_ <= 0) dpi_ = 96;
  RegisterWindowClasses(instance_, this);
}

Win32Platform::~Win32Platform() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, brush] : brushes_) DeleteObject(brush);
}

int Win32Platform::Px(float twips) const {
  return static_cast<int>(std::lround(twips * static_cast<float>(dpi_) / 1440.0f));
}
float Win32Platform::Twips(int pixels) const {
  return static_cast<float>(pixels) * 1440.0f / static_cast<float>(dpi_);
}

HWND Win32Platform::WindowOf(const Control& control) const {
  auto it = windows_.find(&control);
  return it == windows_.end() ? nullptr : it->second.hwnd;
}

Control* Win32Platform::ControlOf(HWND hwnd) const {
  auto it = controls_.find(hwnd);
  return it == controls_.end() ? nullptr : it->second;
}

Control* Win32Platform::ControlById(const Form& form, int id) const {
  for (Control* control : form.Controls()) {
    auto it = windows_.find(control);
    if (it != windows_.end() && it->second.id == id) return control;
  }
  return nullptr;
}

void Win32Platform::Load(Form& form) {
  const DWORD exStyle = form.Art() == forms::Picture::QuizBackground ? 0 : WS_EX_TOOLWINDOW;
  HWND hwnd = CreateWindowExW(exStyle, kFormClass, form.Caption().c_str(), WS_POPUP | WS_CLIPCHILDREN,
                              Px(form.Left()), Px(form.Top()), Px(form.Width()), Px(form.Height()), nullptr,
                              nullptr, instance_, &form);
  windows_[&form] = Window{&form, hwnd};
  controls_[hwnd] = &form;
  CreateChildren(form, nullptr, hwnd);
  MarkOptionGroups(form);
}

void Win32Platform::Unload(Form& form) {
  // The form's controls are gone already: forget them before their windows hear of it.
  HWND hwnd = WindowOf(form);
  for (auto it = windows_.begin(); it != windows_.end();) {
    const bool ours = it->second.owner == &form;
    if (ours) {
      controls_.erase(it->second.hwnd);
      if (it->second.hwnd) SetWindowLongPtrW(it->second.hwnd, GWLP_USERDATA, 0);
      it = windows_.erase(it);
    } else {
      ++it;
    }
  }
  std::erase(activation_, &form);
  if (auto tip = toolTips_.find(&form); tip != toolTips_.end()) {
    DestroyWindow(tip->second);
    toolTips_.erase(tip);
  }
  DestroyWindow(hwnd);
}

void Win32Platform::CreateChildren(Form& form, Control* container, HWND parent) {
  std::vector<Control*> children;
  for (Control* control : form.Controls()) {
    if (control->Container() == container) children.push_back(control);
  }
  // Windows are created front to back (a new child goes beneath its siblings), in tab order within a layer:
  // the stacking comes out right without moving a window afterwards.
  std::stable_sort(children.begin(), children.end(), [&](const Control* a, const Control* b) {
    const int la = Layer(form, *a), lb = Layer(form, *b);
    return la != lb ? la < lb : a->TabIndex() < b->TabIndex();
  });
  for (Control* control : children) {
    const int id = 100 + static_cast<int>(std::find(form.Controls().begin(), form.Controls().end(), control) -
                                          form.Controls().begin());
    if (control->kind() == Kind::Timer) {
      windows_[control] = Window{&form, nullptr, nextTimerId_++};
      UpdateTimer(*control);
      continue;
    }
    HWND hwnd = CreateControl(*control, parent, id);
    windows_[control] = Window{&form, hwnd, id};
    controls_[hwnd] = control;
    if (control->kind() == Kind::TextBox) Changed(*control, Prop::MaxLength);
    if (control->kind() == Kind::OptionButton) Changed(*control, Prop::Value);
    if (control->kind() == Kind::Frame) CreateChildren(form, control, hwnd);
    if (!control->ToolTipText().empty() && windows_[&form].shownOnce) UpdateToolTip(*control);
  }
  for (Control* control : children) {
    if (control->kind() == Kind::OptionButton) ClipUnderLaterOptions(form, *control);
  }
}

HWND Win32Platform::CreateControl(Control& control, HWND parent, int id) {
  const wchar_t* windowClass = L"Static";
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.Visible() ? WS_VISIBLE : 0) |
                (control.Enabled() ? 0 : WS_DISABLED);
  DWORD exStyle = 0;
  const auto align = control.Alignment();
  switch (control.kind()) {
    case Kind::Label:
      style |= SS_NOTIFY | SS_NOPREFIX |
               (align == forms::Align::Right    ? SS_RIGHT
                : align == forms::Align::Center ? SS_CENTER
                                                : SS_LEFT);
      break;
    case Kind::TextBox:
      windowClass = L"Edit";
      style |= WS_TABSTOP | ES_AUTOHSCROLL |
               (align == forms::Align::Center  ? ES_CENTER
                : align == forms::Align::Right ? ES_RIGHT
                                               : ES_LEFT);
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::CommandButton:
      windowClass = L"Button";
      style |= WS_TABSTOP | BS_OWNERDRAW;
      break;
    case Kind::OptionButton:
      windowClass = L"Button";
      style |= WS_TABSTOP | BS_RADIOBUTTON;
      break;
    case Kind::PictureBox:
      style |= SS_NOTIFY | SS_OWNERDRAW;
      break;
    case Kind::Frame:
      windowClass = kFrameClass;
      style |= WS_CLIPCHILDREN;
      exStyle |= WS_EX_CONTROLPARENT;
      break;
    case Kind::Line:
      style |= SS_BLACKRECT;
      break;
    default:
      break;
  }
  const int width = control.kind() == Kind::Line ? std::max(1, Px(control.Width())) : Px(control.Width());
  const int height = control.kind() == Kind::Line ? std::max(1, Px(control.Height())) : Px(control.Height());
  HWND hwnd = CreateWindowExW(exStyle, windowClass, control.Caption().c_str(), style, Px(control.Left()),
                              Px(control.Top()), width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, &control);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control)), FALSE);
  if (control.kind() != Kind::Frame) SubclassControl(hwnd, this, &control);
  return hwnd;
}

// Labels lie beneath every other control of their container, as text drawn on it would. Pictures, and
// controls that overlap a frame beside them, lie in front (a front control that takes the focus is also
// reached first by Tab).
int Win32Platform::Layer(const Form& form, const Control& control) {
  if (control.kind() == Kind::Label) return 2;
  if (control.kind() == Kind::PictureBox) return 0;
  if (control.kind() == Kind::Frame) return 1;
  for (const Control* frame : form.Controls()) {
    if (frame->Container() != control.Container() || frame->kind() != Kind::Frame) continue;
    const bool overlaps =
        control.Left() < frame->Left() + frame->Width() && frame->Left() < control.Left() + control.Width() &&
        control.Top() < frame->Top() + frame->Height() && frame->Top() < control.Top() + control.Height();
    if (overlaps) return 0;
  }
  return 1;
}

// Option buttons in a row may overlap the next one's circle; the earlier one gives way, so that every
// circle shows and takes its clicks. Their z-order stays the tab order.
void Win32Platform::ClipUnderLaterOptions(Form& form, Control& option) {
  const auto& controls = form.Controls();
  HRGN region = CreateRectRgn(0, 0, Px(option.Width()), Px(option.Height()));
  bool clipped = false;
  for (auto it = std::find(controls.begin(), controls.end(), &option) + 1; it != controls.end(); ++it) {
    const Control& later = **it;
    if (later.kind() != Kind::OptionButton || later.Container() != option.Container()) continue;
    const int left = Px(later.Left()) - Px(option.Left()), top = Px(later.Top()) - Px(option.Top());
    const int right = left + Px(later.Width()), bottom = top + Px(later.Height());
    if (left >= Px(option.Width()) || top >= Px(option.Height()) || right <= 0 || bottom <= 0) continue;
    HRGN cut = CreateRectRgn(left, top, right, bottom);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
    clipped = true;
  }
  if (clipped) {
    ::SetWindowRgn(WindowOf(option), region, TRUE);  // the window owns the region from here on
  } else {
    DeleteObject(region);
  }
}

// The dialog keys know a group as the windows from one with WS_GROUP to the next with it, in z-order.
void Win32Platform::MarkOptionGroups(Form& form) {
  auto mark = [](HWND hwnd) { SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) | WS_GROUP); };
  HWND top = WindowOf(form);
  for (Control* option : form.Controls()) {
    if (option->kind() != Kind::OptionButton) continue;
    auto sameGroup = [&](HWND other) {
      const Control* control = ControlOf(other);
      return control && control->kind() == Kind::OptionButton && control->Container() == option->Container();
    };
    HWND hwnd = WindowOf(*option);
    HWND before = GetWindow(hwnd, GW_HWNDPREV);
    if (!before || !sameGroup(before)) mark(hwnd);
    HWND after = GetWindow(hwnd, GW_HWNDNEXT);
    if (after && sameGroup(after)) continue;
    // The last of its group: the window that comes next for the dialog keys starts another, also when it
    // lies outside the frame (the keys climb out of frames, and go round at the end of the form).
    for (HWND at = hwnd; !after;) {
      at = GetParent(at);
      after = at == top ? GetWindow(top, GW_CHILD) : GetWindow(at, GW_HWNDNEXT);
    }
    mark(after);
  }
}

// The standard control takes the tab stop from every radio button that is unchecked. The group keeps one:
// its selected option, or its first when none is selected. While an option has the focus (the arrow keys
// move it without choosing), that one stands for the group, so that Tab leaves the group.
void Win32Platform::UpdateGroupTabStop(Control& option) {
  std::vector<Control*> group;
  Control *focused = nullptr, *selected = nullptr, *first = nullptr;
  for (Control* control : option.form()->Controls()) {
    if (control->kind() != Kind::OptionButton || control->Container() != option.Container() ||
        !WindowOf(*control)) {
      continue;
    }
    group.push_back(control);
    if (control == option.form()->Focused()) focused = control;
    if (static_cast<forms::OptionButton*>(control)->Value()) selected = control;
    if (!first || control->TabIndex() < first->TabIndex()) first = control;
  }
  const Control* stop = focused ? focused : selected ? selected : first;
  for (Control* control : group) {
    HWND hwnd = WindowOf(*control);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE, control == stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

void Win32Platform::Changed(Control& control, Prop what) {
  auto it = windows_.find(&control);
  if (it == windows_.end()) return;
  HWND hwnd = it->second.hwnd;
  if (control.kind() == Kind::Timer) {
    UpdateTimer(control);
    return;
  }
  switch (what) {
    case Prop::Caption:
      SetWindowTextW(hwnd, control.Caption().c_str());
      break;
    case Prop::Move: {
      const int width = control.kind() == Kind::Line ? std::max(1, Px(control.Width())) : Px(control.Width());
      const int height =
          control.kind() == Kind::Line ? std::max(1, Px(control.Height())) : Px(control.Height());
      moving_ = true;
      // No copied bits: a right-aligned label that grows must be drawn afresh, not shifted.
      ::SetWindowPos(hwnd, nullptr, Px(control.Left()), Px(control.Top()), width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | (control.kind() == Kind::Form ? 0 : SWP_NOCOPYBITS));
      if (control.kind() != Kind::Form) InvalidateRect(hwnd, nullptr, TRUE);
      moving_ = false;
      break;
    }
    case Prop::Visible:
      if (control.kind() == Kind::Form) {
        if (control.Visible()) {
          ShowForm(static_cast<Form&>(control));
        } else {
          HideForm(static_cast<Form&>(control));
        }
      } else {
        ShowWindow(hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
      }
      break;
    case Prop::Enabled:
      EnableWindow(hwnd, control.Enabled());
      break;
    case Prop::Colors:
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case Prop::Font:
      SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control)), TRUE);
      break;
    case Prop::MaxLength:
      SendMessageW(hwnd, EM_LIMITTEXT, static_cast<forms::TextBox&>(control).MaxLength(), 0);
      break;
    case Prop::SelStart: {
      const int at = static_cast<forms::TextBox&>(control).SelStart();
      SendMessageW(hwnd, EM_SETSEL, at, at);
      break;
    }
    case Prop::ToolTip:
      if (windows_[control.form()].shownOnce) UpdateToolTip(control);
      break;
    case Prop::Value:
      SendMessageW(hwnd, BM_SETCHECK,
                   static_cast<forms::OptionButton&>(control).Value() ? BST_CHECKED : BST_UNCHECKED, 0);
      UpdateGroupTabStop(control);
      break;
    case Prop::Timer:
      break;
  }
}

void Win32Platform::ShowForm(Form& form) {
  Window& window = windows_[&form];
  ShowWindow(window.hwnd, SW_SHOW);
  SetForegroundWindow(window.hwnd);
  if (!window.shownOnce) {
    window.shownOnce = true;
    // Tool tips wait until the window is up: nobody can point at a control before that.
    for (Control* control : form.Controls()) {
      if (!control->ToolTipText().empty() && WindowOf(*control)) UpdateToolTip(*control);
    }
  }
}

void Win32Platform::HideForm(Form& form) {
  HWND hwnd = WindowOf(form);
  // The system activates the next window down, or none at all (as Wine often does): the keyboard goes back
  // to the form that was active before, to the control that had the focus there. It is chosen before the
  // system's choice is made.
  Form* back = nullptr;
  if (GetActiveWindow() == hwnd) {
    for (Form* other : activation_) {
      if (other != &form && other->Visible()) {
        back = other;
        break;
      }
    }
  }
  ShowWindow(hwnd, SW_HIDE);
  if (!back) return;
  SetForegroundWindow(WindowOf(*back));
  if (Control* control = back->ReturnFocus()) SetFocus(*control);
}

void Win32Platform::RedrawDefaultButton(Form& form) {
  for (Control* control : form.Controls()) {
    if (control->kind() == Kind::CommandButton && static_cast<forms::CommandButton*>(control)->Default()) {
      InvalidateRect(WindowOf(*control), nullptr, FALSE);
    }
  }
}

void Win32Platform::SetFocus(Control& control) {
  if (HWND hwnd = WindowOf(control)) ::SetFocus(hwnd);
}

float Win32Platform::GrantFontSize(const forms::Font& font) {
  // Fonts come in whole pixels at the screen's dots per inch.
  const float pixels = std::nearbyint(font.size * static_cast<float>(dpi_) / 72.0f);
  if (!(pixels >= 1) || font.size > 2000) return 0;
  return pixels * 72.0f / static_cast<float>(dpi_);
}

std::uintptr_t Win32Platform::WindowHandle(Form& form) {
  return reinterpret_cast<std::uintptr_t>(WindowOf(form));
}

void Win32Platform::UpdateTimer(Control& timer) {
  Window& window = windows_[&timer];
  HWND form = WindowOf(*timer.form());
  const int interval = static_cast<forms::Timer&>(timer).Interval();
  if (timer.Enabled() && interval > 0) {
    SetTimer(form, static_cast<UINT_PTR>(window.id), static_cast<UINT>(interval), nullptr);
  } else {
    KillTimer(form, static_cast<UINT_PTR>(window.id));
  }
}

void Win32Platform::UpdateToolTip(Control& control) {
  Form& form = *control.form();
  HWND& tip = toolTips_[&form];
  if (!tip) {
    // The common controls library serves the tool tips alone: it is loaded on their first use, not at start.
    static const auto initCommonControls = reinterpret_cast<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx")));
    if (!initCommonControls) return;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    initCommonControls(&init);
    // Unowned: a topmost popup owned by the form keeps Wine from making the form itself topmost.
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                          0, 0, 0, nullptr, nullptr, instance_, nullptr);
  }
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = WindowOf(form);
  info.uId = reinterpret_cast<UINT_PTR>(WindowOf(control));
  std::wstring text = control.ToolTipText();
  info.lpszText = text.data();
  SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (!text.empty()) SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

HFONT Win32Platform::FontOf(const Control& control) {
  forms::Font font = control.GetFont();
  if (font.name.empty()) {
    // No font of its own: the system's dialog font.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font.name = metrics.lfMessageFont.lfFaceName;
    font.size = static_cast<float>(-metrics.lfMessageFont.lfHeight) * 72.0f / static_cast<float>(dpi_);
    font.charset = metrics.lfMessageFont.lfCharSet;
  }
  const int height = -static_cast<int>(std::nearbyint(font.size * static_cast<float>(dpi_) / 72.0f));
  wchar_t numbers[40];
  wsprintfW(numbers, L"|%d|%d|%d", height, static_cast<int>(font.bold), static_cast<int>(font.charset));
  const std::wstring key = font.name + numbers;
  HFONT& handle = fonts_[key];
  if (!handle) {
    handle = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                         static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
  }
  return handle;
}

COLORREF Win32Platform::ColorOf(forms::Color color) const {
  return color.system ? GetSysColor(static_cast<int>(color.value)) : static_cast<COLORREF>(color.value);
}

HBRUSH Win32Platform::BrushOf(forms::Color color) {
  const COLORREF rgb = ColorOf(color);
  HBRUSH& brush = brushes_[rgb];
  if (!brush) brush = CreateSolidBrush(rgb);
  return brush;
}

}  // namespace platform::win32
