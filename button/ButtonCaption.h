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
    captionDown = 2,
    captionDisabled = 3,  // engraved: a highlight copy under the shadow text
    captionDisabledFlat = 4,
    captionDisabledXP = 5,
    captionDisabledFace = 6,
    captionDownGradient = 7,
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
