// Twips, pixels and points: one rounding rule for windows, drawings and fonts, and moves that come back
// to the same pixel.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/Scale.h"

namespace {

using platform::Scale;

TEST(Scale, HalvesRoundAwayFromZeroInEveryUnit) {
  const Scale at144(144), at120(120);
  EXPECT_EQ(at144.Px(3225), 323);  // 322.5
  EXPECT_EQ(at144.Px(-5), -1);     // a window dragged past the screen's left edge
  EXPECT_EQ(at144.Px96(1), 2);
  EXPECT_EQ(at120.Px96(2), 3);
  EXPECT_EQ(at144.FontPx(14.25f), 29);
  EXPECT_EQ(Scale(0).Px(1320), 88);  // no dpi known: the design's own
}

TEST(Scale, APixelTurnedIntoTwipsComesBackAsThatPixel) {
  for (int dpi : {96, 110, 120, 144, 168, 192}) {
    const Scale scale(dpi);
    for (int pixel = -3000; pixel <= 3000; ++pixel) ASSERT_EQ(scale.Px(scale.Twips(pixel)), pixel) << dpi;
  }
}

TEST(Scale, FontsAreGrantedInWholePixelsOrNotAtAll) {
  const Scale at120(120);
  EXPECT_EQ(at120.GrantedPoints(12), 12);         // 20 pixels
  EXPECT_EQ(at120.GrantedPoints(14.25f), 14.4f);  // 24 pixels
  EXPECT_EQ(Scale(96).GrantedPoints(0.3f), 0);    // less than half a pixel
  for (float unusable : {0.0f, -12.0f, 2000.5f, std::nanf("")}) EXPECT_EQ(at120.GrantedPoints(unusable), 0);
}

}  // namespace
