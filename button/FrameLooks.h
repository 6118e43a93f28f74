#pragma once
// The looks drawn with bevel frames, outlines and ovals: the classic buttons
// (types 1 and 2), the soft frame (6), the frames that come with the pointer
// (7, 8, 12), the flat selection look (9), the transparent (11) and the oval
// (13).
#include "button/Look.h"

namespace button {

// Draws the look of the button's type; false for a type that is not a frame look.
bool drawFrameLook(const Look& look);

}  // namespace button
