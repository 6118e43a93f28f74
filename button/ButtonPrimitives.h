#pragma once
// The shapes every look is built of, drawn on a device context in client
// pixels. Each call makes, selects, puts back and deletes its own pens and
// brushes, so the context ends with what it held before (the text colour
// that drawFocus sets excepted).
#include <windows.h>

#include <cstdint>

#include "button/ButtonState.h"

namespace button {

// The rectangle filled with `color`, or only its one-pixel inner edge.
void drawRectangle(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h, int32_t color, bool frameOnly);

// The inscribed ellipse, filled and outlined with a two-pixel pen.
void drawEllipse(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h, int32_t borderColor, int32_t fillColor);

// A one-pixel line; the end pixel is not drawn.
void drawLine(HDC hDC, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color);

// The bevel along the client edge, moved in by -inset pixels: outer ring c1
// left and top, c2 right and bottom; inner ring c3 and c4 unless single.
void drawFrame(HDC hDC, const ButtonState& s, int32_t c1, int32_t c2, int32_t c3, int32_t c4, int16_t inset,
               bool single);

void setPixel(HDC hDC, int32_t x, int32_t y, int32_t color);

// The dotted focus rectangle, while it is shown and the button has the
// focus. It inverts: drawn twice it is gone.
void drawFocus(HDC hDC, const ButtonState& s);

}  // namespace button
