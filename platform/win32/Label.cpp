// A label: a static text that reports its clicks, with no "&" mnemonics.
#include "platform/win32/Controls.h"

namespace platform::win32 {

Window::Style LabelWindow::Styled() const {
  const auto align = control().Alignment();
  const DWORD alignment = align == forms::Align::Right    ? SS_RIGHT
                          : align == forms::Align::Center ? SS_CENTER
                                                          : SS_LEFT;
  return {L"Static", ChildStyle(control()) | SS_NOTIFY | SS_NOPREFIX | alignment, 0};
}

// Beneath every other control of its container, as text drawn on the container would be.
int LabelWindow::Layer() const {
  return 2;
}

}  // namespace platform::win32
