#pragma once
// A bitmap in the screen's pixel format, to draw into off screen and copy to
// a window.
#include <windows.h>

#include "runtime/Handles.h"

namespace rt {

// On a true-colour (32 bits per pixel) screen, a DIB section of that format:
// the same pixels as a bitmap compatible with the screen, and several times
// cheaper to select into a memory DC under Wine. Otherwise a bitmap
// compatible with `dc`.
unique_hbitmap screenBitmap(HDC dc, int width, int height);

}  // namespace rt
