#include "button/PixelLooks.h"

#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"

namespace button {
namespace {

constexpr int32_t kCaptionFocus = 0xCC9999;

// Type 4 at rest (and disabled, with its own caption): a light face inside a
// dark edge with cut corners, lit at the top left, shaded at the bottom right.
void pixelBevelUp(const Look& l, uint8_t captionState) {
    const ColorSet& c = l.c();
    const int32_t w = l.Wi(), h = l.He();
    l.fill(1, 1, w - 2, h - 2, c.cLight);
    l.caption(captionState);
    l.outline(0, 0, w, h, c.cDarkShadow);
    l.innerCorners(c.cDarkShadow);
    l.lines({{1, 2, 2, 0, c.cFace}, {3, 2, w - 3, 2, c.cHighlight}, {2, 2, 2, h - 3, c.cHighlight}});
    l.pixel(3, 3, c.cHighlight);
    l.lines({{w - 3, 1, w - 3, h - 3, c.cFace}, {1, h - 3, w - 3, h - 3, c.cFace}});
    l.pixel(w - 4, h - 4, c.cFace);
    l.lines({{w - 2, 2, w - 2, h - 2, c.cShadow}, {2, h - 2, w - 2, h - 2, c.cShadow}});
    l.pixel(w - 3, h - 3, c.cShadow);
}

// Type 4 pressed: a dark face in rings of shadow shades. The caption's
// effect takes its shades from the pressed face for this one caption.
void pixelBevelDown(const Look& l) {
    ColorSet& c = l.s.colors;
    const int32_t w = l.Wi(), h = l.He();
    const int32_t face = l.shift(c.cShadow, -16), dark = l.shift(c.cShadow, -64), mid = l.shift(c.cShadow, -32);
    l.fill(1, 1, w - 2, h - 2, face);
    c.cFaceXP = face;
    l.caption(captionDown);
    c.cFaceXP = l.shift(c.cFace, 48);
    l.outline(0, 0, w, h, c.cDarkShadow);
    l.outline(1, 1, w - 2, h - 2, dark);
    l.outline(2, 2, w - 4, h - 4, mid);
    l.pixel(2, 2, dark);
    l.pixel(3, 3, mid);
    l.innerCorners(c.cDarkShadow);
    l.lines({{w - 3, 1, w - 3, h - 3, c.cShadow}, {1, h - 3, w - 2, h - 3, c.cShadow}});
    l.pixel(w - 4, h - 4, c.cShadow);
    l.lines({{w - 2, 3, w - 2, h - 2, face}, {3, h - 2, w - 2, h - 2, face}, {w - 2, h - 3, w - 4, h - 1, mid}});
    l.pixel(2, h - 2, mid);
    l.pixel(w - 2, 2, mid);
}

void pixelBevel(const Look& l) {
    switch (l.state) {
        case LookState::up: pixelBevelUp(l, l.hoverCaption()); break;
        case LookState::down: pixelBevelDown(l); break;
        case LookState::disabled: pixelBevelUp(l, captionEngraved); break;
    }
}

// Type 5 marks the focus with a frame around the caption block instead of
// the dotted rectangle.
void captionFocus(const Look& l) {
    const ButtonState& s = l.s;
    if (!s.hasFocus || !s.ShowFocusRect) return;
    l.outline(s.rcText.left - 2, s.rcText.top - 1, s.textW + 4, s.textH + 2, kCaptionFocus);
}

// Type 5: a flat face a little lighter than the face colour inside a thin
// edge, sunk when pressed. The pressed caption stays in place, without effect.
void flat(const Look& l) {
    const ButtonState& s = l.s;
    const ColorSet& c = l.c();
    const int32_t w = l.Wi(), h = l.He();
    switch (l.state) {
        case LookState::up:
            l.fill(1, 1, w - 1, h - 1, l.shift(c.cFace, 12));
            l.caption(l.hoverCaption());
            l.outline(1, 1, w - 1, h - 1, c.cHighlight);
            l.outline(0, 0, w - 1, h - 1, l.shift(c.cShadow, -26));
            l.pixel(1, h - 2, l.shift(c.cShadow, 26));
            l.pixel(w - 2, 1, l.shift(c.cShadow, 26));
            break;
        case LookState::down:
            l.fill(1, 1, w - 2, h - 2, l.shift(c.cShadow, 16));
            l.outline(0, 0, w - 1, h - 1, l.shift(c.cShadow, -26));
            l.lines({{w - 1, 1, w - 1, h, c.cHighlight}, {1, h - 1, w - 1, h - 1, c.cHighlight}});
            drawCaptionText(l.dc, s.Caption, s.rcText, c.cTextOver);
            break;
        case LookState::disabled:
            l.caption(captionShadow);
            l.outline(0, 0, w, h, c.cShadow);
            return;
    }
    captionFocus(l);
}

}  // namespace

bool drawPixelLook(const Look& look) {
    switch (look.s.ButtonType) {
        case 4: pixelBevel(look); return true;
        case 5: flat(look); return true;
        default: return false;
    }
}

}  // namespace button
