#include "button/ButtonPainter.h"

#include "button/ButtonColors.h"
#include "runtime/Handles.h"

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

// The looks by type, caption and pictures are drawn over this face.
void ButtonPainter::paint(uint8_t curState) { fillFace(); }

void ButtonPainter::fillFace() {
    rt::unique_hbrush brush(CreateSolidBrush(static_cast<COLORREF>(s_.colors.cFace)));
    RECT face{0, 0, s_.Wi, s_.He};
    FillRect(surface_.hDC(), &face, brush.get());
}

}  // namespace button
