#pragma once
// Unit conversion of widths and heights between pixels and HIMETRIC
// (0.01 mm) at the screen's resolution, as controls offer it.
#include <cstdint>

namespace rt {

enum ScaleModeConstants : int16_t { vbPixels = 3, vbHimetric = 8 };

// The screen's pixels per inch along x (LOGPIXELSX) or y (LOGPIXELSY); any
// other index counts as LOGPIXELSY.
int screenPixelsPerInch(int index);

float ScaleX(float width, ScaleModeConstants fromScale, ScaleModeConstants toScale);
float ScaleY(float height, ScaleModeConstants fromScale, ScaleModeConstants toScale);

}  // namespace rt
