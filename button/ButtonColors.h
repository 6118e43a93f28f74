#pragma once
// The colour model: the colour set of a button computed from its colour
// properties and scheme, and the shades derived from a base colour.
#include <windows.h>

#include <cstdint>

#include "button/ButtonState.h"

namespace button {

// Colour schemes with a meaning of their own; every other number is the
// system scheme.
enum ColorSchemes : int32_t { schemeCustom = 2, schemeFixed = 3, schemeContainer = 4 };

// A colour property (RGB or &H80000000 + system colour index) as RGB.
int32_t translateColor(int32_t color);

// Moves every channel by `amount` (halved when softBevel), clamping only in
// the direction of the shift; with blueScaled the blue channel moves in
// proportion to its own value.
int32_t shiftColor(int32_t color, int32_t amount, bool blueScaled, bool softBevel);

// Mixes the colour toward white; amount 0 keeps it, 255 gives white.
int32_t lightenColor(int32_t color, int32_t amount);

// The shades of a special effect's copies around the caption or picture:
// `below` one pixel right and down, `above` one pixel up and left (only
// effects 1 and 2 have it). Effect 2 lightens below, the others darken.
struct EffectShades {
    int32_t below;
    int32_t above;
    bool hasAbove;
};
EffectShades effectShades(int32_t base, int32_t specialEffect, bool softBevel);

// Recomputes the colour set (and selColor, selPaleColor) of a button from its
// properties; `hwnd` is the button's window (the container scheme reads its
// parent's colours).
void setColors(ButtonState& state, HWND hwnd);

}  // namespace button
