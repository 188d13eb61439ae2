#include "platform/win32/Artwork.h"

namespace platform::win32 {

namespace {

constexpr COLORREF kBlue = RGB(2, 122, 187);
constexpr COLORREF kTitleBlue = RGB(0, 0, 192);
constexpr COLORREF kPanel = RGB(224, 224, 224);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Where the grey panel begins, in 96-dpi pixels of the quiz window: its outline, then the frame with the
// problems (at 1750 twips), which covers the rest of the panel. The hint balls (at 1560 twips) straddle
// this edge and draw its continuation themselves.
constexpr int kPanelLeft = 116;
constexpr int kHintLeftTwips = 1560, kFrameLeftTwips = 1750;

// Draws in 96-dpi pixels, offset to a rectangle, at the screen's dpi. Outlines lie inside the shapes, so a
// shape and a fill that share an edge share it at every scaling.
class Pen96 {
 public:
  Pen96(HDC dc, const RECT& rect, int dpi) : dc_(dc), x0_(rect.left), y0_(rect.top), dpi_(dpi) {}
  int S(int v) const { return MulDiv(v, dpi_, 96); }
  int X(int v) const { return x0_ + S(v); }
  int Y(int v) const { return y0_ + S(v); }
  // Twips to pixels, rounded as the binding places windows.
  int T(int twips) const { return MulDiv(twips, dpi_, 1440); }

  void Fill(int l, int t, int r, int b, COLORREF color) const {
    RECT rect{X(l), Y(t), X(r), Y(b)};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
  }
  // A shape with a fill and an outline (`outline` CLR_INVALID: none).
  template <class Draw>
  void Shape(COLORREF fill, COLORREF outline, int width, Draw draw) const {
    HBRUSH brush =
        fill == CLR_INVALID ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(fill);
    HPEN pen = outline == CLR_INVALID ? static_cast<HPEN>(GetStockObject(NULL_PEN))
                                      : CreatePen(PS_INSIDEFRAME, S(width), outline);
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    draw();
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    if (fill != CLR_INVALID) DeleteObject(brush);
    if (outline != CLR_INVALID) DeleteObject(pen);
  }
  void RoundRect(int l, int t, int r, int b, int corner, COLORREF fill, COLORREF outline,
                 int width = 1) const {
    Shape(fill, outline, width, [&] { ::RoundRect(dc_, X(l), Y(t), X(r), Y(b), S(corner), S(corner)); });
  }
  void Ellipse(int l, int t, int r, int b, COLORREF fill, COLORREF outline, int width = 1) const {
    Shape(fill, outline, width, [&] { ::Ellipse(dc_, X(l), Y(t), X(r), Y(b)); });
  }
  void Polygon(const POINT* points96, int count, COLORREF fill, COLORREF outline) const {
    POINT points[8];
    for (int k = 0; k < count && k < 8; ++k) points[k] = POINT{X(points96[k].x), Y(points96[k].y)};
    Shape(fill, outline, 1, [&] { ::Polygon(dc_, points, count < 8 ? count : 8); });
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  int x0_, y0_, dpi_;
};

// The quiz window: a blue surround; inside the rounded cut, a light-grey rounded panel with black
// outlines and a small blue strip along its bottom, under the two buttons.
void QuizBackground(const Pen96& p) {
  p.Fill(0, 0, 568, 248, kBlue);
  p.RoundRect(100, 10, 443, 219, 30, CLR_INVALID, kBlack);  // the last pixels inside the rounded cut
  p.RoundRect(kPanelLeft, 40, 431, 214, 8, kPanel, kBlack);
  p.RoundRect(150, 204, 400, 210, 6, kBlue, kBlack);
}

// A small white card with a grey fold, outlined in black, on the title's blue.
void Corner(const Pen96& p) {
  p.Fill(0, 0, 16, 10, kTitleBlue);
  p.RoundRect(1, 1, 15, 10, 4, kWhite, kBlack);
  p.Fill(2, 6, 14, 9, RGB(168, 168, 168));
  p.Fill(2, 5, 14, 6, RGB(120, 120, 120));
}

// A white speech bubble with a blue question mark, on the panel's grey.
void HelpBubble(const Pen96& p) {
  p.Fill(0, 0, 16, 16, kPanel);
  const POINT tail[] = {{3, 8}, {1, 16}, {10, 10}};
  p.Polygon(tail, 3, kWhite, kBlack);
  p.Ellipse(0, 0, 16, 13, kWhite, kBlack);
  p.Fill(3, 10, 7, 13, kWhite);  // opens the bubble into its tail
  HFONT font =
      CreateFontW(-p.S(11), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
  HGDIOBJ old = SelectObject(p.dc(), font);
  SetBkMode(p.dc(), TRANSPARENT);
  SetTextColor(p.dc(), RGB(0, 64, 200));
  RECT rect{p.X(0), p.Y(0), p.X(16), p.Y(13)};
  DrawTextW(p.dc(), L"?", 1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(p.dc(), old);
  DeleteObject(font);
}

// A glossy blue ball on the blue surround, sitting on the panel's left edge: the part of the picture
// that lies over the panel shows the panel's outline and grey, so no square shows around the ball.
void HintBall(const Pen96& p) {
  constexpr int edge = kPanelLeft - kHintLeftTwips / 15;
  p.Fill(0, 0, 16, 17, kPanel);
  p.Fill(0, 0, edge, 17, kBlue);
  // The outline shows only up to the frame, which covers the rest of it between the balls.
  const RECT outline{p.X(edge), p.Y(0), p.X(0) + p.T(kFrameLeftTwips) - p.T(kHintLeftTwips), p.Y(17)};
  FillRect(p.dc(), &outline, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  p.Ellipse(0, 1, 16, 17, RGB(0, 70, 170), RGB(0, 30, 90));
  p.Ellipse(2, 4, 14, 16, RGB(30, 110, 220), CLR_INVALID);
  p.Ellipse(4, 10, 12, 15, RGB(80, 160, 245), CLR_INVALID);  // light through the ball
  p.Ellipse(4, 3, 11, 8, RGB(170, 215, 255), CLR_INVALID);   // the gloss
  p.Ellipse(5, 4, 8, 6, kWhite, CLR_INVALID);
}

}  // namespace

bool DrawArt(HDC dc, const RECT& rect, forms::Picture art, int dpi) {
  const Pen96 pen(dc, rect, dpi);
  switch (art) {
    case forms::Picture::QuizBackground:
      QuizBackground(pen);
      return true;
    case forms::Picture::Corner:
      Corner(pen);
      return true;
    case forms::Picture::HelpBubble:
      HelpBubble(pen);
      return true;
    case forms::Picture::HintBall:
      HintBall(pen);
      return true;
    case forms::Picture::None:
      break;
  }
  return false;
}

void DrawButton(const DRAWITEMSTRUCT& item, const wchar_t* caption, const ButtonLook& look) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool disabled = item.itemState & ODS_DISABLED;

  if (look.isDefault || focused) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  HBRUSH brush = CreateSolidBrush(look.back);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  RECT text = rect;
  if (pressed) OffsetRect(&text, 1, 1);
  HGDIOBJ old = SelectObject(dc, look.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : look.fore);
  DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);

  if (focused) {
    RECT focus = rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void DrawFrame(HDC dc, const RECT& rect, const wchar_t* caption, HFONT font, COLORREF back, COLORREF fore) {
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  RECT border = rect;
  border.top += metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (caption && *caption) {
    SIZE size;
    GetTextExtentPoint32W(dc, caption, lstrlenW(caption), &size);
    RECT text{rect.left + 8, rect.top, rect.left + 8 + size.cx + 4, rect.top + metrics.tmHeight};
    SetBkColor(dc, back);
    SetTextColor(dc, fore);
    ExtTextOutW(dc, text.left + 2, text.top, ETO_OPAQUE, &text, caption, static_cast<UINT>(lstrlenW(caption)),
                nullptr);
  }
  SelectObject(dc, old);
}

}  // namespace platform::win32
