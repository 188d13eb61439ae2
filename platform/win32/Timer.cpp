// A timer has no window of its own: it ticks through its form's, with the address of its control as its
// id, which no other timer of the form can have.
#include "platform/win32/Controls.h"

namespace platform::win32 {

void UpdateTimer(forms::Timer& timer) {
  const Window* form = Window::Of(*timer.form());
  if (!form) return;
  const auto id = reinterpret_cast<UINT_PTR>(static_cast<forms::Control*>(&timer));
  if (timer.Enabled() && timer.Interval() > 0) {
    SetTimer(form->hwnd(), id, static_cast<UINT>(timer.Interval()), nullptr);
  } else {
    KillTimer(form->hwnd(), id);
  }
}

void TimerTicked(forms::Form& form, WPARAM id) {
  for (forms::Control* control : form.Controls()) {
    if (control->kind() != forms::Kind::Timer || reinterpret_cast<WPARAM>(control) != id) continue;
    auto& timer = static_cast<forms::Timer&>(*control);
    if (timer.Tick) timer.Tick();
  }
}

}  // namespace platform::win32
