// The keyboard guard: whatever a Windows key opens is closed again by an Escape at the next tick.
#include "quiz/Form1.h"

namespace quiz {

namespace {
constexpr int kLeftWindows = 91, kRightWindows = 92;
constexpr std::uint8_t kEscape = 27;
}  // namespace

void Form1::Timer1_Timer() {
  if (platform_.GetAsyncKeyState(kLeftWindows) != 0 || platform_.GetAsyncKeyState(kRightWindows) != 0) {
    platform_.keybd_event(kEscape, 0, 0, 0);
    // The release too, so that Escape is not left held down for the system.
    platform_.keybd_event(kEscape, 0, platform::KEYEVENTF_KEYUP_, 0);
  }
}

}  // namespace quiz
