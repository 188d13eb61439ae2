// A line: a black static rectangle, at least a pixel wide and high whatever its length.
#include <algorithm>

#include "platform/win32/Controls.h"

namespace platform::win32 {

Window::Style LineWindow::Styled() const {
  return {L"Static", ChildStyle(control()) | SS_BLACKRECT, 0};
}

Window::Box LineWindow::Bounds() const {
  Box box = Window::Bounds();
  box.width = std::max(1, box.width);
  box.height = std::max(1, box.height);
  return box;
}

}  // namespace platform::win32
