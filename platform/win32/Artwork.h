// The program's own drawings: the quiz window's background, the small pictures, the coloured buttons.
// Everything is drawn in 96-dpi pixels scaled to the screen's dpi, so it stays sharp at any scaling.
#pragma once

#include <windows.h>

#include "forms/Forms.h"

namespace platform::win32 {

// Fills `rect` of a form or picture with its artwork; false when there is none.
bool DrawArt(HDC dc, const RECT& rect, forms::Picture art, int dpi);

struct ButtonLook {
  COLORREF back, fore;
  HFONT font;
  bool isDefault;
};
void DrawButton(const DRAWITEMSTRUCT& item, const wchar_t* caption, const ButtonLook& look);

// The border and caption of a frame, like a group box.
void DrawFrame(HDC dc, const RECT& rect, const wchar_t* caption, HFONT font, COLORREF back, COLORREF fore);

}  // namespace platform::win32
