#include "button/FrameLooks.h"

#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/ButtonPrimitives.h"

namespace button {
namespace {

// Type 1: raised in two rings inside a dark edge, sunk when pressed.
void classic(const Look& l) {
    const ColorSet& c = l.c();
    switch (l.state) {
        case LookState::up:
            l.caption(l.hoverCaption());
            l.frame(c.cHighlight, c.cShadow, c.cHighlight, c.cShadow, -1, false);
            break;
        case LookState::down:
            l.caption(captionDown);
            l.frame(c.cShadow, c.cHighlight, c.cShadow, c.cHighlight, -1, false);
            break;
        case LookState::disabled:
            l.caption(captionEngraved);
            l.frame(c.cHighlight, c.cShadow, c.cHighlight, c.cShadow, -1, false);
            l.outline(0, 0, l.Wi(), l.He(), c.cDarkShadow);
            return;
    }
    l.outline(0, 0, l.Wi(), l.He(), c.cDarkShadow);
    l.focus();
}

// Type 2: the default button (while the focus rectangle is shown) gets a dark
// outer ring, and only it shows the focus rectangle.
void classicWithDefaultRing(const Look& l) {
    const ColorSet& c = l.c();
    const bool ring = l.s.ShowFocusRect && l.surface.isDefaultButton();
    switch (l.state) {
        case LookState::up:
            l.caption(l.hoverCaption());
            l.frame(c.cHighlight, c.cDarkShadow, c.cLight, c.cShadow, ring ? -1 : 0, false);
            if (!ring) return;
            l.focus();
            l.outline(0, 0, l.Wi(), l.He(), c.cDarkShadow);
            return;
        case LookState::down:
            l.caption(captionDown);
            if (!ring) {
                l.frame(c.cDarkShadow, c.cHighlight, c.cShadow, c.cLight, 0, false);
                return;
            }
            l.outline(0, 0, l.Wi(), l.He(), c.cDarkShadow);
            l.outline(1, 1, l.Wi() - 2, l.He() - 2, c.cShadow);
            l.focus();
            return;
        case LookState::disabled:
            l.caption(captionEngraved);
            l.frame(c.cHighlight, c.cDarkShadow, c.cLight, c.cShadow, 0, false);
            return;
    }
}

// Type 6: a two-ring frame in a light shade and the shadow.
void softFrame(const Look& l) {
    const int32_t light = l.shift(l.c().cLight, 8), shadow = l.c().cShadow;
    switch (l.state) {
        case LookState::up:
            l.caption(l.hoverCaption());
            l.frame(light, shadow, light, shadow, 0, false);
            break;
        case LookState::down:
            l.caption(captionDown);
            l.frame(shadow, light, shadow, light, 0, false);
            break;
        case LookState::disabled:
            l.caption(captionShadow);
            l.frame(light, shadow, light, shadow, 0, false);
            return;
    }
    l.focus();
}

// Types 7, 8 and 12: type 7 always shows its thin frame, 8 and 12 only under
// the pointer; 12's frame has two rings.
void pointerFrame(const Look& l) {
    const ColorSet& c = l.c();
    const int32_t type = l.s.ButtonType;
    switch (l.state) {
        case LookState::up:
            l.caption(l.hoverCaption());
            if (type == 7 || (type == 8 && l.s.isOver)) l.frame(c.cHighlight, c.cShadow, 0, 0, 0, true);
            if (type == 12 && l.s.isOver) l.frame(c.cHighlight, c.cDarkShadow, c.cLight, c.cShadow, 0, false);
            break;
        case LookState::down:
            l.caption(captionDown);
            if (type == 12)
                l.frame(c.cDarkShadow, c.cHighlight, c.cShadow, c.cLight, 0, false);
            else
                l.frame(c.cShadow, c.cHighlight, 0, 0, 0, true);
            break;
        case LookState::disabled:
            l.caption(captionEngraved);
            if (type == 7) l.frame(c.cHighlight, c.cShadow, 0, 0, 0, true);
            return;
    }
    l.focus();
}

// The pressed face of type 9: darker than the pale face with custom colours,
// a lighter selection colour otherwise.
int32_t pressedFace(const Look& l) {
    const ButtonState& s = l.s;
    return s.ColorScheme == schemeCustom ? l.shift(s.selPaleColor, -32) : lightenColor(s.selColor, 128);
}

// Type 9: flat at rest; under the pointer a pale face and a border of the
// selection colour; pressed, the border stays and the face darkens only
// while the pointer is over it.
void flatSelection(const Look& l) {
    const ButtonState& s = l.s;
    switch (l.state) {
        case LookState::up:
            if (s.isOver) l.fill(1, 1, l.Wi(), l.He(), s.selPaleColor);
            l.caption(l.hoverCaption());
            if (s.isOver) l.outline(0, 0, l.Wi(), l.He(), s.selColor);
            break;
        case LookState::down:
            if (s.isOver) l.fill(0, 0, l.Wi(), l.He(), pressedFace(l));
            l.caption(captionDown);
            l.outline(0, 0, l.Wi(), l.He(), s.selColor);
            break;
        case LookState::disabled: l.caption(captionShadow); return;
    }
    l.focus();
}

// Type 11: the captured container background in place of the face.
void transparent(const Look& l) {
    BitBlt(l.dc, 0, 0, l.Wi(), l.He(), l.s.backgroundDC.get(), 0, 0, SRCCOPY);
    switch (l.state) {
        case LookState::up: l.caption(l.hoverCaption()); break;
        case LookState::down: l.caption(captionDown); break;
        case LookState::disabled: l.caption(captionEngraved); return;
    }
    l.focus();
}

// Type 13: an oval, outlined in the shadow under the pointer and darkened
// when pressed; no focus rectangle.
void oval(const Look& l) {
    const ColorSet& c = l.c();
    switch (l.state) {
        case LookState::up:
            drawEllipse(l.dc, 0, 0, l.Wi(), l.He(), l.s.isOver ? c.cShadow : c.cFace, c.cFace);
            l.caption(l.hoverCaption());
            break;
        case LookState::down:
            drawEllipse(l.dc, 0, 0, l.Wi(), l.He(), c.cDarkShadow, l.shift(c.cFace, -32));
            l.caption(captionDown);
            break;
        case LookState::disabled: l.caption(captionEngraved); break;
    }
}

}  // namespace

bool drawFrameLook(const Look& look) {
    switch (look.s.ButtonType) {
        case 1: classic(look); return true;
        case 2: classicWithDefaultRing(look); return true;
        case 6: softFrame(look); return true;
        case 7:
        case 8:
        case 12: pointerFrame(look); return true;
        case 9: flatSelection(look); return true;
        case 11: transparent(look); return true;
        case 13: oval(look); return true;
        default: return false;
    }
}

}  // namespace button
