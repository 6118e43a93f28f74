#include "button/ButtonPainter.h"

#include "button/ButtonColors.h"
#include "button/ButtonPictures.h"
#include "button/ButtonPrimitives.h"

namespace button {

void ButtonPainter::redraw(uint8_t curState, bool force) {
    // A checked check-box button always shows its pressed look.
    if (s_.CheckBoxBehaviour && s_.Value) curState = stateDown;
    if (skipped(curState, force)) return;
    if (s_.He == 0 || !s_.refreshOn) return;
    s_.lastState = curState;
    s_.lastCaption = s_.Caption;
    surface_.Cls();
    if (!hoverColours()) {
        paint(curState);
        return;
    }
    // The hover look of a custom-coloured button derives every shade from
    // BackOver: swap it in for this one paint.
    const int32_t kept = s_.BackColor;
    s_.BackColor = s_.BackOver;
    setColors(s_, surface_.hwnd());
    paint(curState);
    s_.BackColor = kept;
    setColors(s_, surface_.hwnd());
}

bool ButtonPainter::skipped(uint8_t curState, bool force) const {
    return !force && s_.Caption == s_.lastCaption && curState == s_.lastState;
}

bool ButtonPainter::hoverColours() const { return s_.isOver && s_.ColorScheme == schemeCustom; }

// The face, the look of the type (with its caption) and the pictures.
void ButtonPainter::paint(uint8_t curState) {
    HDC dc = surface_.hDC();
    drawRectangle(dc, 0, 0, s_.Wi, s_.He, s_.colors.cFace, false);
    drawPictures(dc, s_, pictureState(curState));
}

uint8_t ButtonPainter::pictureState(uint8_t curState) const {
    if (!s_.Enabled) return picturesDisabled;
    return curState == stateUp ? picturesUp : picturesDown;
}

}  // namespace button
