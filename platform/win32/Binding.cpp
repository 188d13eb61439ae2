// Forms onto real windows: a top-level popup per form, a window per control made by its kind (Controls.h),
// and every property change handed to the window that shows it.
#include <algorithm>

#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

using forms::Control;
using forms::Form;
using forms::Kind;

namespace {

int ScreenDpi() {
  // Asking the user interface is cheap; a screen DC would start the whole display driver before the first
  // window needs it. Systems before Windows 10 have only the DC.
  using SystemDpi = UINT(WINAPI*)();
  if (auto systemDpi = reinterpret_cast<SystemDpi>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")))) {
    return static_cast<int>(systemDpi());
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance, int dpi)
    : instance_(instance), scale_(dpi > 0 ? dpi : ScreenDpi()) {}

DWORD ChildStyle(const Control& control) {
  return WS_CHILD | WS_CLIPSIBLINGS | (control.Visible() ? WS_VISIBLE : 0) |
         (control.Enabled() ? 0 : WS_DISABLED);
}

std::unique_ptr<Window> MakeWindow(Win32Platform& platform, Control& control) {
  switch (control.kind()) {
    case Kind::Label:
      return std::make_unique<LabelWindow>(platform, control);
    case Kind::TextBox:
      return std::make_unique<TextBoxWindow>(platform, control);
    case Kind::CommandButton:
      return std::make_unique<CommandButtonWindow>(platform, control);
    case Kind::OptionButton:
      return std::make_unique<OptionButtonWindow>(platform, control);
    case Kind::PictureBox:
      return std::make_unique<PictureBoxWindow>(platform, control);
    case Kind::Frame:
      return std::make_unique<FrameWindow>(platform, control);
    case Kind::Line:
      return std::make_unique<LineWindow>(platform, control);
    case Kind::Form:
    case Kind::Timer:
      break;
  }
  return nullptr;
}

void CreateChildren(Win32Platform& platform, Form& form, Control* container, HWND parent) {
  const auto& controls = form.Controls();
  std::vector<std::pair<std::unique_ptr<Window>, int>> children;  // with their ids
  for (size_t at = 0; at < controls.size(); ++at) {
    if (controls[at]->Container() != container) continue;
    if (auto window = MakeWindow(platform, *controls[at]))
      children.emplace_back(std::move(window), 100 + static_cast<int>(at));
  }
  // Windows are created front to back (a new child goes beneath its siblings), in tab order within a layer:
  // the stacking comes out right without moving a window afterwards.
  std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
    const int la = a.first->Layer(), lb = b.first->Layer();
    return la != lb ? la < lb : a.first->control().TabIndex() < b.first->control().TabIndex();
  });
  for (auto& [window, id] : children) {
    if (window->Create(parent, id)) window.release();  // the window owns its record from here on
  }
}

void Win32Platform::Load(Form& form) {
  // Registered with the first window, not before: the first class wakes the whole window system (tens of
  // milliseconds under Wine), which a run that ends before its window never needs.
  Window::RegisterClasses(instance_);
  auto window = std::make_unique<FormWindow>(*this, form);
  if (!window->Create(nullptr, 0)) return;
  HWND hwnd = window.release()->hwnd();
  CreateChildren(*this, form, nullptr, hwnd);
  MarkOptionGroups(form);
  for (Control* control : form.Controls()) {
    if (control->kind() == Kind::Timer) UpdateTimer(static_cast<forms::Timer&>(*control));
  }
}

void Win32Platform::Unload(Form& form) {
  std::erase(activation_, &form);
  if (auto* window = static_cast<FormWindow*>(Window::Of(form))) window->Unload();
}

void Win32Platform::Changed(Control& control, forms::Prop what) {
  if (control.kind() == Kind::Timer) return UpdateTimer(static_cast<forms::Timer&>(control));
  if (Window* window = Window::Of(control)) window->Changed(what);
}

void Win32Platform::SetFocus(Control& control) {
  if (HWND hwnd = WindowOf(control)) ::SetFocus(hwnd);
}

float Win32Platform::GrantFontSize(const forms::Font& font) {
  return scale_.GrantedPoints(font.size);
}

std::uintptr_t Win32Platform::WindowHandle(Form& form) {
  return reinterpret_cast<std::uintptr_t>(WindowOf(form));
}

HWND Win32Platform::WindowOf(const Control& control) const {
  const Window* window = Window::Of(control);
  return window ? window->hwnd() : nullptr;
}

void Win32Platform::Activated(Form& form) {
  std::erase(activation_, &form);
  activation_.insert(activation_.begin(), &form);
}

Form* Win32Platform::ActiveBefore(const Form& form) const {
  for (Form* other : activation_) {
    if (other != &form && other->Visible()) return other;
  }
  return nullptr;
}

}  // namespace platform::win32
