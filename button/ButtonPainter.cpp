#include "button/ButtonPainter.h"

#include "button/ButtonColors.h"
#include "button/ButtonPictures.h"
#include "button/ButtonPrimitives.h"
#include "button/FrameLooks.h"
#include "button/GradientLooks.h"
#include "button/PixelLooks.h"

namespace button {

void ButtonPainter::redraw(uint8_t curState, bool force) {
    // A checked check-box button always shows its pressed look.
    if (s_.CheckBoxBehaviour && s_.Value) curState = stateDown;
    if (skipped(curState, force)) return;
    if (s_.He == 0 || !s_.refreshOn) return;
    s_.lastState = curState;
    s_.lastCaption = s_.Caption;
    surface_.clearSurface();
    if (!hoverColours()) {
        paint(curState);
        return;
    }
    // The hover look of a custom-coloured button derives every shade from
    // BackOver: swap it in for this one paint.
    const int32_t kept = s_.BackColor;
    s_.BackColor = s_.BackOver;
    setColors(s_, surface_.buttonWindow());
    paint(curState);
    s_.BackColor = kept;
    setColors(s_, surface_.buttonWindow());
}

bool ButtonPainter::skipped(uint8_t curState, bool force) const {
    return !force && s_.Caption == s_.lastCaption && curState == s_.lastState;
}

bool ButtonPainter::hoverColours() const { return s_.isOver && s_.ColorScheme == schemeCustom; }

// The face, the look of the type (with its caption) and the pictures. Type
// 10 and numbers outside 1 to 14 have no look: face and pictures only.
void ButtonPainter::paint(uint8_t curState) {
    HDC dc = surface_.surfaceDC();
    drawRectangle(dc, 0, 0, s_.Wi, s_.He, s_.colors.cFace, false);
    const Look look{dc, s_, surface_, lookState(curState)};
    drawFrameLook(look) || drawGradientLook(look) || drawPixelLook(look);
    drawPictures(dc, s_, static_cast<uint8_t>(look.state));
}

// The look states line up with the picture states.
static_assert(uint8_t(LookState::up) == picturesUp && uint8_t(LookState::down) == picturesDown &&
              uint8_t(LookState::disabled) == picturesDisabled);

LookState ButtonPainter::lookState(uint8_t curState) const {
    if (!s_.Enabled) return LookState::disabled;
    return curState == stateUp ? LookState::up : LookState::down;
}

}  // namespace button
