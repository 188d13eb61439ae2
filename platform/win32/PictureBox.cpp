// A picture box: a static control that shows one of the program's drawings and reports its clicks.
#include "platform/win32/Artwork.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

Window::Style PictureBoxWindow::Styled() const {
  return {L"Static", ChildStyle(control()) | SS_NOTIFY | SS_OWNERDRAW, 0};
}

// In front of the controls of its container.
int PictureBoxWindow::Layer() const {
  return 0;
}

// A quick second click on a picture is a click too: two clicks open and close the help.
void PictureBoxWindow::Command(int code) {
  if (code == STN_CLICKED || code == STN_DBLCLK) Click(control());
}

void PictureBoxWindow::DrawItem(const DRAWITEMSTRUCT& item) {
  DrawArt(item.hDC, item.rcItem, static_cast<forms::PictureBox&>(control()).Art(), platform().scale());
}

}  // namespace platform::win32
