#pragma once
// The looks set pixel by pixel: the rounded pixel bevel (type 4) and the
// flat button with a frame around its caption for the focus (type 5).
#include "button/Look.h"

namespace button {

// Draws the look of the button's type; false for a type that is not a pixel look.
bool drawPixelLook(const Look& look);

}  // namespace button
