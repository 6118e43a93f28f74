#include "button/ButtonCaption.h"

#include "button/ButtonColors.h"
#include "button/ButtonPictures.h"
#include "runtime/Ansi.h"

namespace button {
namespace {

constexpr UINT kMeasure = DT_CALCRECT | DT_WORDBREAK;
constexpr UINT kDraw = DT_CENTER | DT_VCENTER | DT_WORDBREAK;

// The count is the converted text's own length: a character may take two
// bytes in the ANSI code page, and counting characters would cut the text.
int drawAnsi(HDC hDC, const std::wstring& caption, RECT& rect, UINT flags) {
    std::string text = rt::toAnsi(caption);
    return DrawTextA(hDC, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

RECT moved(RECT r, int32_t by) {
    OffsetRect(&r, by, by);
    return r;
}

// Where the caption is measured: the client area less a 1-pixel edge and
// the picture's side.
void setMeasuringRect(ButtonState& s) {
    RECT& m = s.rcTextDown;
    switch (s.PicturePosition) {
        case 0: SetRect(&m, s.picW + 1, 1, s.Wi - 2, s.He - 2); break;
        case 1: SetRect(&m, 1, 1, s.Wi - 2 - s.picW, s.He - 2); break;
        case 2: SetRect(&m, 1, s.picH + 1, s.Wi - 2, s.He - 2); break;
        case 3: SetRect(&m, 1, 1, s.Wi - 2, s.He - 2 - s.picH); break;
        case 4: SetRect(&m, 1, 1, s.Wi - 2, s.He - 2); break;
        default: break;  // measured where it was
    }
}

// Centres the measured block between its own left and top edges and the far
// edges of the room, which end 4 pixels short of a picture right or below.
POINT centring(const ButtonState& s, const RECT& measured) {
    const int32_t dx = (s.Wi - measured.right) / 2, dy = (s.He - measured.bottom) / 2;
    switch (s.PicturePosition) {
        case 0:
        case 2:
        case 4: return {dx, dy};
        case 1: return {(s.Wi - measured.right - s.picW - 4) / 2, dy};
        case 3: return {dx, (s.He - measured.bottom - s.picH - 4) / 2};
        default: return {0, 0};
    }
}

// The colour under the text in the looks, which the effect copies shade.
int32_t effectBase(const ButtonState& s) {
    if (s.ButtonType == 3 || s.ButtonType == 4 || s.ButtonType == 14) return s.colors.cFaceXP;
    if (s.ButtonType == 9 && s.lastState == 0 && s.isOver && s.ColorScheme != schemeCustom) return s.selPaleColor;
    return s.colors.cFace;
}

void drawCaptionEffect(HDC hDC, const ButtonState& s, const RECT& rect) {
    if (s.SpecialEffect <= 0) return;
    const EffectShades shades = effectShades(effectBase(s), s.SpecialEffect, s.SoftBevel);
    drawCaptionText(hDC, s.Caption, moved(rect, 1), shades.below);
    if (shades.hasAbove) drawCaptionText(hDC, s.Caption, moved(rect, -1), shades.above);
}

}  // namespace

void calcTextRects(HDC hDC, ButtonState& s) {
    setMeasuringRect(s);
    RECT measured = s.rcTextDown;
    drawAnsi(hDC, s.Caption, measured, kMeasure);
    s.textW = measured.right - measured.left;
    s.textH = measured.bottom - measured.top;
    const POINT d = centring(s, measured);
    s.rcText = measured;
    OffsetRect(&s.rcText, d.x, d.y);
    s.rcTextDown = moved(s.rcText, 1);
    calcPicPos(s);
}

void drawCaptionText(HDC hDC, const std::wstring& caption, RECT rect, int32_t color) {
    SetTextColor(hDC, static_cast<COLORREF>(color));
    drawAnsi(hDC, caption, rect, kDraw);
}

void drawCaption(HDC hDC, ButtonState& s, uint8_t state) {
    s.lastTextState = state;
    const ColorSet& c = s.colors;
    auto copy = [&](const RECT& rect, int32_t color) { drawCaptionText(hDC, s.Caption, rect, color); };
    switch (state) {
        case captionUp:
        case captionHover:
            drawCaptionEffect(hDC, s, s.rcText);
            copy(s.rcText, state == captionUp ? c.cText : c.cTextOver);
            break;
        case captionDown:
            drawCaptionEffect(hDC, s, s.rcTextDown);
            copy(s.rcTextDown, s.ButtonType == 4 ? c.cLight : c.cTextOver);
            break;
        case captionEngraved:
            copy(s.rcTextDown, c.cHighlight);
            copy(s.rcText, c.cShadow);
            break;
        case captionShadow: copy(s.rcText, c.cShadow); break;
        case captionDimmed: copy(s.rcText, shiftColor(c.cFaceXP, -104, true, s.SoftBevel)); break;
        case captionEngravedFace:
            copy(s.rcTextDown, c.cHighlight);
            copy(s.rcText, c.cFace);
            break;
        case captionRaised:
            copy(s.rcTextDown, shiftColor(c.cShadow, -50, false, s.SoftBevel));
            copy(s.rcText, c.cHighlight);
            break;
        default: {
            RECT r = s.rcText;
            drawAnsi(hDC, s.Caption, r, kDraw);
        }
    }
}

}  // namespace button
