// The program's own drawings: the quiz window's background, and the small pictures.
// Everything is drawn in 96-dpi pixels scaled to the screen's dpi, so it stays sharp at any scaling.
#pragma once

#include <windows.h>

#include "forms/Forms.h"
#include "platform/Scale.h"

namespace platform::win32 {

// Fills `rect` of a form or picture with its artwork; false when there is none.
bool DrawArt(HDC dc, const RECT& rect, forms::Picture art, const Scale& scale);

}  // namespace platform::win32
