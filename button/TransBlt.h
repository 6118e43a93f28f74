#pragma once
// Draws a picture pixel by pixel over what a device context shows: one
// colour of the picture is transparent, and the rest is copied, turned into
// a one-colour silhouette, made grey or faded into the background.
#include <windows.h>

#include <cstdint>

#include "runtime/StdPicture.h"

namespace button {

struct PixelMode {
    int32_t maskColor = 0;      // the picture's transparent colour (icons stand on it)
    bool useMaskColor = true;   // false: no colour is transparent
    int32_t silColor = -1;      // the silhouette's colour; -1 none
    bool darkOnly = false;      // the silhouette leaves out pixels brighter than mid-grey
    bool greyscale = false;
    bool fade = false;          // two thirds picture, one third background
};

// The colour a picture pixel leaves on the background pixel under it
// (colours &H00BBGGRR).
int32_t blendPixel(int32_t picture, int32_t background, const PixelMode& mode);

// Draws w x h pixels of the picture (unscaled, from its top-left corner) at
// (x, y) of hDC (no more than a bitmap has). Nothing for an empty size, or
// when memory runs short.
void transBlt(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h, const rt::StdPicture& pic, const PixelMode& mode);

}  // namespace button
