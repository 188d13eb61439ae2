// A frame: a window of our own class that holds controls, filled with its colour, with the etched border
// and caption of a group box unless it has no border.
#include "platform/win32/Controls.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {

Window::Style FrameWindow::Styled() const {
  return {kFrameClass, ChildStyle(control()) | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

// Beneath the controls that overlap it, above the labels.
int FrameWindow::Layer() const {
  return 1;
}

void FrameWindow::Created() {
  Window::Created();
  CreateChildren(platform(), *control().form(), &control(), hwnd());
}

LRESULT FrameWindow::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd(), &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, platform().Gdi().Brush(control().BackColor()));
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETTEXT: {
      const LRESULT done = Default(msg, wParam, lParam);
      InvalidateRect(hwnd(), nullptr, TRUE);
      return done;
    }
  }
  return Default(msg, wParam, lParam);
}

void FrameWindow::Paint() {
  const Painting painting(hwnd());
  if (!static_cast<forms::Frame&>(control()).Border()) return;
  HDC dc = painting.dc();
  RECT rect;
  GetClientRect(hwnd(), &rect);
  const Selected font(dc, platform().Gdi().Font(control().GetFont()));
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  RECT border = rect;
  border.top += metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  const std::wstring& caption = control().Caption();
  if (caption.empty()) return;
  SIZE size;
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  RECT text{rect.left + 8, rect.top, rect.left + 8 + size.cx + 4, rect.top + metrics.tmHeight};
  SetBkColor(dc, ColorOf(control().BackColor()));
  SetTextColor(dc, ColorOf(control().ForeColor()));
  ExtTextOutW(dc, text.left + 2, text.top, ETO_OPAQUE, &text, caption.c_str(),
              static_cast<UINT>(caption.size()), nullptr);
}

}  // namespace platform::win32
