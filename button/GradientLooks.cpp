#include "button/GradientLooks.h"

#include <algorithm>

#include "button/ButtonCaption.h"
#include "runtime/Handles.h"
#include "runtime/Variant.h"

namespace button {
namespace {

constexpr int32_t kType3Depth = 25, kType14Depth = 58;
constexpr int32_t kEdge = 0x733C00, kEdgeCorners = 0x7B4D10;

// The five places of a ring: outline, bottom line, top line, second line, side columns.
using Ring = int32_t[5];
constexpr Ring kHoverRing = {0x31B2FF, 0x96E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF};
constexpr Ring kFocusRing = {0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5};

void roundedEdge(const Look& l) {
    l.outline(0, 0, l.Wi(), l.He(), kEdge);
    l.innerCorners(kEdgeCorners);
}

void ring(const Look& l, const Ring& c) {
    const int32_t w = l.Wi(), h = l.He();
    l.outline(1, 2, w - 2, h - 4, c[0]);
    l.lines({{2, h - 2, w - 2, h - 2, c[1]},
             {2, 1, w - 2, 1, c[2]},
             {1, 2, w - 1, 2, c[3]},
             {2, 3, 2, h - 3, c[4]},
             {w - 3, 3, w - 3, h - 3, c[4]}});
}

// Shades along the bottom, right, top and left inside the edge, two lines
// each; the inner left line starts at row `innerLeftTop`.
void bevel(const Look& l, const int32_t (&shade)[8], int32_t innerLeftTop) {
    const int32_t w = l.Wi(), h = l.He();
    l.lines({{2, h - 2, w - 2, h - 2, shade[0]},
             {1, h - 3, w - 2, h - 3, shade[1]},
             {w - 2, 2, w - 2, h - 2, shade[2]},
             {w - 3, 3, w - 3, h - 3, shade[3]},
             {2, 1, w - 2, 1, shade[4]},
             {1, 2, w - 2, 2, shade[5]},
             {1, 2, 1, h - 2, shade[6]},
             {2, innerLeftTop, 2, h - innerLeftTop, shade[7]}});
}

// Type 3 at rest: lit from above, with the orange ring under the pointer,
// else the blue ring on the focused or default button, else a plain bevel.
void gradientRingsUp(const Look& l) {
    const ButtonState& s = l.s;
    const int32_t xp = l.c().cFaceXP;
    drawGradient(l, xp, kType3Depth, true, false);
    l.caption(l.hoverCaption());
    roundedEdge(l);
    if (s.isOver)
        ring(l, kHoverRing);
    else if ((s.hasFocus || l.surface.isDefaultButton()) && s.ShowFocusRect)
        ring(l, kFocusRing);
    else
        bevel(l,
              {l.shiftB(xp, -48), l.shiftB(xp, -32), l.shiftB(xp, -36), l.shiftB(xp, -24), l.shiftB(xp, 16),
               l.shiftB(xp, 10), l.shiftB(xp, -5), l.shiftB(xp, -10)},
              3);
}

// Type 3 pressed: darker and lit from below.
void gradientRingsDown(const Look& l) {
    const int32_t xp = l.c().cFaceXP, b = l.shiftB(xp, -32);
    drawGradient(l, b, kType3Depth, true, true);
    l.caption(captionDown);
    roundedEdge(l);
    bevel(l,
          {l.shiftB(b, 16), l.shiftB(b, 10), l.shiftB(b, 5), xp, l.shiftB(b, -32), l.shiftB(b, -24), l.shiftB(b, -32),
           l.shiftB(b, -22)},
          2);
}

void gradientRingsDisabled(const Look& l) {
    const int32_t xp = l.c().cFaceXP;
    l.fill(0, 0, l.Wi(), l.He(), l.shiftB(xp, -24));
    l.caption(captionDimmed);
    l.outline(0, 0, l.Wi(), l.He(), l.shiftB(xp, -84));
    l.innerCorners(l.shiftB(xp, -72));
}

void gradientRings(const Look& l) {
    switch (l.state) {
        case LookState::up: gradientRingsUp(l); break;
        case LookState::down: gradientRingsDown(l); break;
        case LookState::disabled: gradientRingsDisabled(l); break;
    }
}

// The default button's caption is drawn bold. The bold attribute goes through
// the property (which re-measures the caption) and back; the paint that the
// property asks for is held off meanwhile.
void boldOnDefault(const Look& l) {
    if (!l.surface.isDefaultButton()) {
        l.caption(l.hoverCaption());
        return;
    }
    l.s.refreshOn = false;
    const bool kept = l.surface.captionBold();
    l.surface.captionBold(true);
    l.caption(l.hoverCaption());
    l.surface.captionBold(kept);
    l.s.refreshOn = true;
}

void litEdge(const Look& l) {
    const ColorSet& c = l.c();
    const int32_t w = l.Wi(), h = l.He();
    l.outline(0, 0, w, h, l.shift(c.cShadow, -50));
    l.outline(1, 1, w - 2, h - 2, l.shift(c.cFace, -9));
    l.fill(2, 2, w - 4, 2, c.cHighlight);
    l.fill(2, 4, 2, h - 6, c.cHighlight);
}

// Type 14: shaded from the highlight downward (flat light under the pointer),
// a double edge lit along the top and left.
void gradientBold(const Look& l) {
    const ColorSet& c = l.c();
    const int32_t w = l.Wi(), h = l.He();
    switch (l.state) {
        case LookState::up:
            if (l.s.isOver)
                l.fill(0, 0, w, h, c.cLight);
            else
                drawGradient(l, c.cHighlight, kType14Depth, false, false);
            boldOnDefault(l);
            litEdge(l);
            l.focus();
            break;
        case LookState::down:
            l.fill(1, 1, w, h, l.shift(c.cFace, -9));
            l.outline(0, 0, w, h, l.shift(c.cShadow, -48));
            l.lines({{2, h - 2, w - 2, h - 2, c.cHighlight}, {w - 2, 2, w - 2, h - 1, c.cHighlight}});
            l.caption(captionRaised);
            l.focus();
            break;
        case LookState::disabled:
            drawGradient(l, c.cHighlight, kType14Depth, false, false);
            litEdge(l);
            l.caption(captionEngravedFace);
            break;
    }
}

}  // namespace

bool drawGradientLook(const Look& look) {
    switch (look.s.ButtonType) {
        case 3: gradientRings(look); return true;
        case 14: gradientBold(look); return true;
        default: return false;
    }
}

// One pen serves every row: the context's own pen, recoloured where the
// shade changes, so a gradient makes no GDI object at all. Rows outside the
// clip box are left out, so a huge button costs no more than its visible rows.
void drawGradient(const Look& look, int32_t base, int32_t depth, bool blueScaled, bool upward) {
    const int32_t w = look.Wi(), h = look.He();
    RECT clip{};
    GetClipBox(look.dc, &clip);
    const int32_t first = std::max<int32_t>(1, upward ? h - clip.bottom + 1 : clip.top);
    const int32_t last = std::min<int32_t>(h, upward ? h - clip.top : clip.bottom - 1);
    const float step = static_cast<float>(static_cast<double>(depth) / h);
    rt::select_object penIn(look.dc, GetStockObject(DC_PEN));
    const COLORREF kept = GetDCPenColor(look.dc);
    for (int32_t i = first, shade = -1; i <= last; ++i) {
        const int32_t amount = -static_cast<int32_t>(rt::roundHalfEven(static_cast<double>(step) * i));
        const int32_t row = blueScaled ? look.shiftB(base, amount) : look.shift(base, amount);
        if (row != shade) SetDCPenColor(look.dc, static_cast<COLORREF>(shade = row));
        const int32_t y = upward ? h - i : i;
        MoveToEx(look.dc, 0, y, nullptr);
        LineTo(look.dc, w, y);
    }
    SetDCPenColor(look.dc, kept);
}

}  // namespace button
