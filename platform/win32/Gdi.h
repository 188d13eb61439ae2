// GDI objects that free themselves: owned handles, selections and paints that end with their scope, and
// the fonts and brushes that the windows share for the whole run.
// https://learn.microsoft.com/windows/win32/gdi/device-contexts
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/Forms.h"
#include "platform/Scale.h"

namespace platform::win32 {

// A pen, brush, font or region that this code made: deleted with its owner, unless handed on.
template <class Handle>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(other.Release()) {}
  Owned& operator=(Owned&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~Owned() {
    if (handle_) DeleteObject(handle_);
  }
  Handle get() const { return handle_; }
  // For a call that takes the object over (SetWindowRgn takes the region).
  Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

// An object selected into a device context until the end of the scope, when the one before comes back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), before_(SelectObject(dc, object)) {}
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  ~Selected() { SelectObject(dc_, before_); }

 private:
  HDC dc_;
  HGDIOBJ before_;
};

// WM_PAINT's BeginPaint and EndPaint.
class Painting {
 public:
  explicit Painting(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  Painting(const Painting&) = delete;
  Painting& operator=(const Painting&) = delete;
  ~Painting() { EndPaint(hwnd_, &paint_); }
  HDC dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// A plain colour, or the system colour that the reference names now.
inline COLORREF ColorOf(forms::Color color) {
  return color.system ? GetSysColor(static_cast<int>(color.value)) : static_cast<COLORREF>(color.value);
}

// One font per face, pixel height, weight and character set, and one brush per colour, made on first use:
// the quiz's nine problem controls share one font.
class GdiCache {
 public:
  explicit GdiCache(const Scale& scale) : scale_(scale) {}
  HFONT Font(const forms::Font& font);
  HBRUSH Brush(forms::Color color);

 private:
  struct FontKey {
    std::wstring face;
    int height;
    bool bold;
    int charset;
    bool operator==(const FontKey&) const = default;
  };
  const Scale& scale_;
  std::vector<std::pair<FontKey, Owned<HFONT>>> fonts_;
  std::vector<std::pair<COLORREF, Owned<HBRUSH>>> brushes_;
  LOGFONTW messageFont_{};  // the system's dialog font, once asked for
};

}  // namespace platform::win32
