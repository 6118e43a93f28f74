#pragma once
// The pictures of a button: PictureNormal's size, its place beside, above,
// below or behind the caption, and its drawing (PictureOver in its place
// while hovered or pressed) with the special effect's silhouettes under it.
#include <windows.h>

#include <cstdint>

#include "button/ButtonState.h"

namespace button {

// The picture states a look asks for.
enum PictureStates : uint8_t { picturesUp = 0, picturesDown = 1, picturesDisabled = 2 };

// picW and picH: PictureNormal's size in pixels (0 without it).
void calcPicSize(ButtonState& s);

// picX and picY against the caption block rcText, or centred when the
// caption is blank or the picture lies behind it.
void calcPicPos(ButtonState& s);

// Draws the pictures for `picState`; a picture behind the caption gets the
// caption drawn again over it.
void drawPictures(HDC hDC, ButtonState& s, uint8_t picState);

}  // namespace button
