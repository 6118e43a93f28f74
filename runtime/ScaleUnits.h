#pragma once
// Unit conversion at the screen's resolution: widths and heights between
// pixels and HIMETRIC (0.01 mm), as controls offer it, and the twips
// (1440 to the inch) of the forms' layouts to and from pixels.
#include <cstdint>

namespace rt {

enum ScaleModeConstants : int16_t { vbPixels = 3, vbHimetric = 8 };

// The screen's pixels per inch along x (LOGPIXELSX) or y (LOGPIXELSY); any
// other index counts as LOGPIXELSY.
int screenPixelsPerInch(int index);

float ScaleX(float width, ScaleModeConstants fromScale, ScaleModeConstants toScale);
float ScaleY(float height, ScaleModeConstants fromScale, ScaleModeConstants toScale);

// Twips to whole pixels (the part of a pixel left over is dropped) and
// pixels to twips, along x or y.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
float pixelsToTwipsX(int pixels);
float pixelsToTwipsY(int pixels);
// The fewest whole twips that twipsToPixels turns back into `pixels`.
int pixelsToWholeTwipsX(int pixels);
int pixelsToWholeTwipsY(int pixels);

}  // namespace rt
