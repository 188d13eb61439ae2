#include "platform/win32/Artwork.h"

#include "platform/win32/Gdi.h"

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
  Pen96(HDC dc, const RECT& rect, const Scale& scale)
      : dc_(dc), x0_(rect.left), y0_(rect.top), scale_(scale) {}
  int S(int v) const { return scale_.Px96(v); }
  int X(int v) const { return x0_ + S(v); }
  int Y(int v) const { return y0_ + S(v); }
  // Twips, placed as the binding places windows.
  int T(int twips) const { return scale_.Px(static_cast<float>(twips)); }

  void Fill(int l, int t, int r, int b, COLORREF color) const {
    const RECT rect{X(l), Y(t), X(r), Y(b)};
    const Owned<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc_, &rect, brush.get());
  }
  // A shape with a fill and an outline (`outline` CLR_INVALID: none).
  template <class Draw>
  void Shape(COLORREF fill, COLORREF outline, int width, Draw draw) const {
    const Owned<HBRUSH> brush(fill == CLR_INVALID ? nullptr : CreateSolidBrush(fill));
    const Owned<HPEN> pen(outline == CLR_INVALID ? nullptr : CreatePen(PS_INSIDEFRAME, S(width), outline));
    const Selected brushIn(dc_, brush.get() ? brush.get() : GetStockObject(NULL_BRUSH));
    const Selected penIn(dc_, pen.get() ? pen.get() : GetStockObject(NULL_PEN));
    draw();
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
  int x0_, y0_;
  const Scale& scale_;
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
  const Owned<HFONT> font(CreateFontW(-p.S(11), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                      DEFAULT_PITCH, L"Tahoma"));
  const Selected fontIn(p.dc(), font.get());
  SetBkMode(p.dc(), TRANSPARENT);
  SetTextColor(p.dc(), RGB(0, 64, 200));
  RECT rect{p.X(0), p.Y(0), p.X(16), p.Y(13)};
  DrawTextW(p.dc(), L"?", 1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
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

bool DrawArt(HDC dc, const RECT& rect, forms::Picture art, const Scale& scale) {
  const Pen96 pen(dc, rect, scale);
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

}  // namespace platform::win32
