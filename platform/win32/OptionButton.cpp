// An option button: a radio button that only a click or Space chooses, one tab stop per group, and a
// circle that every later option beside it leaves uncovered.
#include <algorithm>
#include <vector>

#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

using forms::Control;

namespace {

bool SameGroup(const Control& a, const Control& b) {
  return a.kind() == forms::Kind::OptionButton && b.kind() == forms::Kind::OptionButton &&
         a.Container() == b.Container();
}

void AddStyle(HWND hwnd, LONG style, bool on) {
  const LONG now = GetWindowLongW(hwnd, GWL_STYLE);
  SetWindowLongW(hwnd, GWL_STYLE, on ? now | style : now & ~style);
}

}  // namespace

Window::Style OptionButtonWindow::Styled() const {
  return {L"Button", ChildStyle(control()) | WS_TABSTOP | BS_RADIOBUTTON, 0};
}

void OptionButtonWindow::Created() {
  Window::Created();
  Changed(forms::Prop::Value);
  ClipUnderLaterOptions();
}

void OptionButtonWindow::Changed(forms::Prop what) {
  if (what != forms::Prop::Value) return Window::Changed(what);
  SendMessageW(hwnd(), BM_SETCHECK, option().Value() ? BST_CHECKED : BST_UNCHECKED, 0);
  UpdateGroupTabStop();
}

LRESULT OptionButtonWindow::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFOCUS: {
      TookFocus();
      UpdateGroupTabStop();
      // The standard control clicks an unchecked radio button that gets the focus. Coming to an option by
      // Tab or the arrow keys must not choose it: only a click or Space does.
      focusing_ = true;
      const LRESULT result = Default(msg, wParam, lParam);
      focusing_ = false;
      return result;
    }
    case WM_KILLFOCUS:
      LostFocus();
      UpdateGroupTabStop();
      return Default(msg, wParam, lParam);
  }
  return Window::Message(msg, wParam, lParam);
}

void OptionButtonWindow::Command(int code) {
  if (!focusing_) Window::Command(code);
}

// Option buttons in a row may overlap the next one's circle; the earlier one gives way, so that every
// circle shows and takes its clicks. Their z-order stays the tab order.
void OptionButtonWindow::ClipUnderLaterOptions() {
  const Scale& scale = platform().scale();
  const Control& self = control();
  const int width = scale.Px(self.Width()), height = scale.Px(self.Height());
  Owned<HRGN> region(CreateRectRgn(0, 0, width, height));
  bool clipped = false;
  const auto& controls = self.form()->Controls();
  for (auto it = std::find(controls.begin(), controls.end(), &self) + 1; it != controls.end(); ++it) {
    const Control& later = **it;
    if (!SameGroup(self, later)) continue;
    const int left = scale.Px(later.Left()) - scale.Px(self.Left());
    const int top = scale.Px(later.Top()) - scale.Px(self.Top());
    const int right = left + scale.Px(later.Width()), bottom = top + scale.Px(later.Height());
    if (left >= width || top >= height || right <= 0 || bottom <= 0) continue;
    const Owned<HRGN> cut(CreateRectRgn(left, top, right, bottom));
    CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
    clipped = true;
  }
  if (clipped) SetWindowRgn(hwnd(), region.Release(), TRUE);  // the window owns the region from here on
}

// The standard control takes the tab stop from every radio button that is unchecked. The group keeps one:
// its selected option, or its first when none is selected. While an option has the focus (the arrow keys
// move it without choosing), that one stands for the group, so that Tab leaves the group.
void OptionButtonWindow::UpdateGroupTabStop() {
  const forms::Form& form = *control().form();
  std::vector<Window*> group;
  const Control *focused = nullptr, *selected = nullptr, *first = nullptr;
  for (const Control* other : form.Controls()) {
    Window* window = Of(*other);
    if (!SameGroup(control(), *other) || !window) continue;
    group.push_back(window);
    if (other == form.Focused()) focused = other;
    if (static_cast<const forms::OptionButton*>(other)->Value()) selected = other;
    if (!first || other->TabIndex() < first->TabIndex()) first = other;
  }
  const Control* stop = focused ? focused : selected ? selected : first;
  for (Window* window : group) AddStyle(window->hwnd(), WS_TABSTOP, &window->control() == stop);
}

// The dialog keys know a group as the windows from one with WS_GROUP to the next with it, in z-order.
void MarkOptionGroups(forms::Form& form) {
  HWND top = Window::Of(form)->hwnd();
  for (const Control* option : form.Controls()) {
    const Window* window = option->kind() == forms::Kind::OptionButton ? Window::Of(*option) : nullptr;
    if (!window) continue;
    auto sameGroup = [&](HWND other) { return other && SameGroup(*option, Window::Of(other)->control()); };
    HWND hwnd = window->hwnd();
    if (!sameGroup(GetWindow(hwnd, GW_HWNDPREV))) AddStyle(hwnd, WS_GROUP, true);
    HWND after = GetWindow(hwnd, GW_HWNDNEXT);
    if (sameGroup(after)) continue;
    // The last of its group: the window that comes next for the dialog keys starts another, also when it
    // lies outside the frame (the keys climb out of frames, and go round at the end of the form).
    for (HWND at = hwnd; !after;) {
      at = GetParent(at);
      after = at == top ? GetWindow(top, GW_CHILD) : GetWindow(at, GW_HWNDNEXT);
    }
    AddStyle(after, WS_GROUP, true);
  }
}

}  // namespace platform::win32
