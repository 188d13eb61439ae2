// The layout at 150 % display scaling: every window at its twips on a 144-dpi screen, and the rounded cut
// and the fonts scaled with them.
#include "Win32Fixture.h"

namespace {

using win32_test::RectIn;

long Px(float twips) {
  return std::lround(twips * 144 / 1440);
}

TEST(Geometry, At144DpiWindowsTheCutAndTheFontsScaleByOneAndAHalf) {
  win32_test::TestPlatform platform(144);
  app::Program program(platform);
  program.Start();
  program.form1.picUP[1].Click();
  program.form3.ShowInputError();

  for (forms::Form* form :
       {static_cast<forms::Form*>(&program.form1), static_cast<forms::Form*>(&program.form3),
        static_cast<forms::Form*>(&program.form4)}) {
    RECT rect;
    GetWindowRect(platform.WindowOf(*form), &rect);
    EXPECT_EQ(rect.left, Px(form->Left()));
    EXPECT_EQ(rect.right - rect.left, Px(form->Width()));
    EXPECT_EQ(rect.bottom - rect.top, Px(form->Height()));
    for (forms::Control* control : form->Controls()) {
      if (control->kind() == forms::Kind::Timer || control->kind() == forms::Kind::Line) continue;
      SCOPED_TRACE(std::string(control->Name().begin(), control->Name().end()) +
                   std::to_string(control->Index()));
      HWND hwnd = platform.WindowOf(*control);
      const RECT in = RectIn(hwnd);
      RECT container;
      EXPECT_EQ(in.left, Px(control->Left()));
      EXPECT_EQ(in.top, Px(control->Top()));
      EXPECT_EQ(in.right - in.left, Px(control->Width()));
      EXPECT_EQ(in.bottom - in.top, Px(control->Height()));
      // Nothing reaches past the edge of what holds it.
      GetClientRect(GetParent(hwnd), &container);
      EXPECT_LE(in.right, container.right);
      EXPECT_LE(in.bottom, container.bottom);
    }
  }

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(platform.WindowOf(program.form1), region), ERROR);
  HRGN expected = CreateRoundRectRgn(150, 15, 666, 330, 45, 45);
  EXPECT_EQ(CombineRgn(expected, expected, region, RGN_XOR), NULLREGION);  // the same pixels
  EXPECT_FALSE(PtInRegion(region, 152, 17));                               // the rounded corner
  DeleteObject(expected);
  DeleteObject(region);

  LOGFONTW font{};
  auto handle =
      reinterpret_cast<HFONT>(SendMessageW(platform.WindowOf(program.form1.lblP[0]), WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -29);  // 14.25 points: 28.5 pixels, rounded as every length is

  // The system has the faces the quiz asks for, bold and Cyrillic: any other face has other widths.
  HDC dc = GetDC(nullptr);
  for (const auto& [control, face] :
       {std::pair<forms::Control*, std::wstring>{&program.form1.lblP[0], L"Tahoma"},
        {&program.form1.lblZag, L"MS Sans Serif"}}) {
    const HGDIOBJ old = SelectObject(
        dc, reinterpret_cast<HFONT>(SendMessageW(platform.WindowOf(*control), WM_GETFONT, 0, 0)));
    wchar_t used[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, used);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    EXPECT_EQ(used, face);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD) << used;
    EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET) << used;
    SelectObject(dc, old);
  }
  ReleaseDC(nullptr, dc);
}

}  // namespace
