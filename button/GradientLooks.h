#pragma once
// The looks shaded row by row: the rounded gradient button with its blue and
// orange rings (type 3) and the gradient button whose caption turns bold on
// the default button (type 14).
#include <cstdint>

#include "button/Look.h"

namespace button {

// Draws the look of the button's type; false for a type that is not a gradient look.
bool drawGradientLook(const Look& look);

// Rows 1 to He, each `base` shifted by -depth * i / He (rounded, halves to
// even), i counting from the top (downward) or from the bottom row (upward).
// The shading of the last row falls below the client area.
void drawGradient(const Look& look, int32_t base, int32_t depth, bool blueScaled, bool upward);

}  // namespace button
