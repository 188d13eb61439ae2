// A command button, drawn by us in its own colours: a raised face that sinks while pressed, and a black
// frame round the button that Enter would press.
#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

Window::Style CommandButtonWindow::Styled() const {
  return {L"Button", ChildStyle(control()) | WS_TABSTOP | BS_OWNERDRAW, 0};
}

void CommandButtonWindow::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool disabled = item.itemState & ODS_DISABLED;

  if (focused || &control() == control().form()->EnterButton()) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  FillRect(dc, &rect, platform().Gdi().Brush(control().BackColor()));
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  RECT text = rect;
  if (pressed) OffsetRect(&text, 1, 1);
  {
    const Selected font(dc, platform().Gdi().Font(control().GetFont()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorOf(control().ForeColor()));
    DrawTextW(dc, control().Caption().c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (focused) {
    InflateRect(&rect, -3, -3);
    DrawFocusRect(dc, &rect);
  }
}

}  // namespace platform::win32
