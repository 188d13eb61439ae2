#include "platform/win32/Gdi.h"

namespace platform::win32 {

HFONT GdiCache::Font(const forms::Font& font) {
  FontKey key{font.name, -scale_.FontPx(font.size), font.bold, font.charset};
  if (font.name.empty()) {
    // No font of its own: the system's dialog font, in its own size.
    if (!messageFont_.lfFaceName[0]) {
      NONCLIENTMETRICSW metrics{};
      metrics.cbSize = sizeof metrics;
      SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
      messageFont_ = metrics.lfMessageFont;
    }
    key.face = messageFont_.lfFaceName;
    key.height = messageFont_.lfHeight;
    key.charset = messageFont_.lfCharSet;
  }
  for (const auto& [known, handle] : fonts_) {
    if (known == key) return handle.get();
  }
  HFONT handle = CreateFontW(key.height, 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             static_cast<BYTE>(key.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, key.face.c_str());
  fonts_.emplace_back(std::move(key), Owned<HFONT>(handle));
  return handle;
}

HBRUSH GdiCache::Brush(forms::Color color) {
  const COLORREF rgb = ColorOf(color);
  for (const auto& [known, brush] : brushes_) {
    if (known == rgb) return brush.get();
  }
  HBRUSH brush = CreateSolidBrush(rgb);
  brushes_.emplace_back(rgb, Owned<HBRUSH>(brush));
  return brush;
}

}  // namespace platform::win32
