// Twips, pixels of the screen, pixels of a 96-dpi screen and points, at one screen's dots per inch.
// Every conversion to whole pixels rounds the same way, to the nearest pixel and halves away from
// zero (as the system's own MulDiv does), so that a window, its rounded cut, its drawing and its fonts
// agree at every scaling. Conversions to twips and points are exact.
#pragma once

#include <cmath>

namespace platform {

class Scale {
 public:
  static constexpr int kTwipsPerInch = 1440, kPointsPerInch = 72, kDesignDpi = 96;

  // 0 or less: the design's 96 dpi.
  explicit Scale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}
  int Dpi() const { return dpi_; }

  int Px(float twips) const { return Round(twips * static_cast<float>(dpi_) / kTwipsPerInch); }
  float Twips(int pixels) const {
    return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(dpi_);
  }
  // A length the program draws in pixels of a 96-dpi screen.
  int Px96(int pixels96) const {
    return Round(static_cast<float>(pixels96) * static_cast<float>(dpi_) / kDesignDpi);
  }
  int FontPx(float points) const { return Round(points * static_cast<float>(dpi_) / kPointsPerInch); }
  float Points(int pixels) const {
    return static_cast<float>(pixels) * kPointsPerInch / static_cast<float>(dpi_);
  }

  // The size the font system grants for `points`: fonts come in whole pixels. 0 when it cannot show the
  // size at all (less than a pixel, more than 2000 points, or no number).
  float GrantedPoints(float points) const {
    if (!(points > 0 && points <= 2000)) return 0;
    const int pixels = FontPx(points);
    return pixels >= 1 ? Points(pixels) : 0;
  }

 private:
  static int Round(float value) { return static_cast<int>(std::lround(value)); }
  int dpi_;
};

}  // namespace platform
