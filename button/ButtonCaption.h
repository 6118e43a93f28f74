#pragma once
// The caption of a button: its text block measured and centred in the room
// the picture leaves, and drawn in one of the caption states with the copies
// of its special effect. Text goes through DrawTextA in the font selected
// into the device context, whose background mode is transparent.
#include <windows.h>

#include <cstdint>
#include <string>

#include "button/ButtonState.h"

namespace button {

// The caption states a look asks for.
enum CaptionStates : uint8_t {
    captionUp = 0,
    captionHover = 1,
    captionDown = 2,          // one pixel right and down
    captionEngraved = 3,      // disabled: shadow text over a highlight copy
    captionShadow = 4,        // disabled: shadow text
    captionDimmed = 5,        // disabled: a dark shade of the lightened face
    captionEngravedFace = 6,  // disabled: face-coloured text over a highlight copy
    captionRaised = 7,        // pressed: highlight text over a shadow copy
};

// rcText, rcTextDown, textW and textH for the caption in hDC's font, then the
// picture's place (calcPicPos).
void calcTextRects(HDC hDC, ButtonState& s);

// Draws the caption in `state` (remembered as lastTextState); states above 7
// draw it in the context's current text colour.
void drawCaption(HDC hDC, ButtonState& s, uint8_t state);

// One copy of a caption at `rect` in `color`, as every caption copy is drawn.
void drawCaptionText(HDC hDC, const std::wstring& caption, RECT rect, int32_t color);

}  // namespace button
