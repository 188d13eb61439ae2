// The keyboard guard: whatever a Windows key opens is closed again by an Escape at the next tick.
#include "forms/Keys.h"
#include "quiz/Form1.h"

namespace quiz {

void Form1::Timer1_Timer() {
  namespace Key = forms::Key;
  if (platform_.GetAsyncKeyState(Key::LeftWindows) != 0 ||
      platform_.GetAsyncKeyState(Key::RightWindows) != 0) {
    constexpr auto escape = static_cast<std::uint8_t>(Key::Escape);
    platform_.keybd_event(escape, 0, 0, 0);
    // The release too, so that Escape is not left held down for the system.
    platform_.keybd_event(escape, 0, platform::KEYEVENTF_KEYUP_, 0);
  }
}

}  // namespace quiz
