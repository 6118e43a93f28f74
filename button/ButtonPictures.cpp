#include "button/ButtonPictures.h"

#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/TransBlt.h"
#include "runtime/ScaleUnits.h"
#include "runtime/Variant.h"

namespace button {
namespace {

constexpr int32_t kBehind = 4;

int32_t wholePixels(float pixels) { return static_cast<int32_t>(rt::roundHalfEven(pixels)); }

bool blank(const std::wstring& caption) { return caption.find_first_not_of(L' ') == std::wstring::npos; }

POINT centred(const ButtonState& s) { return {(s.Wi - s.picW) / 2, (s.He - s.picH) / 2}; }

// 4 pixels beside the caption block, or 2 above or below it.
POINT besideCaption(const ButtonState& s) {
    const POINT centre = centred(s);
    switch (s.PicturePosition) {
        case 0: return {s.rcText.left - s.picW - 4, centre.y};
        case 1: return {s.rcText.right + 4, centre.y};
        case 2: return {centre.x, s.rcText.top - s.picH - 2};
        case 3: return {centre.x, s.rcText.bottom + 2};
        default: return {s.picX, s.picY};
    }
}

// Draws a picture at PictureNormal's size with the button's mask colour.
void put(HDC hDC, const ButtonState& s, const rt::StdPicture& pic, int32_t x, int32_t y, PixelMode mode = {}) {
    mode.maskColor = s.colors.cMask;
    mode.useMaskColor = s.UseMaskColor;
    transBlt(hDC, x, y, s.picW, s.picH, pic, mode);
}

PixelMode silhouette(int32_t color, bool darkOnly = false) { return {.silColor = color, .darkOnly = darkOnly}; }

// Silhouettes of the picture under it, in shades of the face around it.
void drawPictureEffect(HDC hDC, const ButtonState& s, int32_t offset, const rt::StdPicture& pic) {
    if (s.SpecialEffect <= 0) return;
    int32_t base = s.colors.cFace;
    if (s.ButtonType == 3)
        base = s.colors.cFaceXP;
    else if (offset == -1 && s.ColorScheme != schemeCustom)
        base = s.selPaleColor;
    const EffectShades shades = effectShades(base, s.SpecialEffect, s.SoftBevel);
    put(hDC, s, pic, s.picX + 1 + offset, s.picY + 1 + offset, silhouette(shades.below));
    if (shades.hasAbove) put(hDC, s, pic, s.picX - 1 + offset, s.picY - 1 + offset, silhouette(shades.above));
}

// Type 9 fades the picture into its face at rest and lifts it over its own
// shadow while hovered.
void drawUp(HDC hDC, const ButtonState& s) {
    const rt::StdPicture& normal = *s.PictureNormal;
    if (!s.isOver) {
        drawPictureEffect(hDC, s, 0, normal);
        put(hDC, s, normal, s.picX, s.picY, {.greyscale = s.UseGreyscale, .fade = s.ButtonType == 9});
    } else if (s.ButtonType == 9) {
        drawPictureEffect(hDC, s, -1, normal);
        put(hDC, s, normal, s.picX + 1, s.picY + 1, silhouette(s.colors.cShadow));
        put(hDC, s, normal, s.picX - 1, s.picY - 1);
    } else {
        const rt::StdPicture& pic = s.PictureOver ? *s.PictureOver : normal;
        drawPictureEffect(hDC, s, 0, pic);
        put(hDC, s, pic, s.picX, s.picY);
    }
}

// Pressed pictures move one pixel right and down, except on types 5 and 9.
void drawDown(HDC hDC, const ButtonState& s) {
    if (s.PictureOver && s.ButtonType != 9) {
        const int32_t d = s.ButtonType == 5 ? 0 : 1;
        put(hDC, s, *s.PictureOver, s.picX + d, s.picY + d);
        return;
    }
    const int32_t d = s.ButtonType == 5 || s.ButtonType == 9 ? 0 : 1;
    drawPictureEffect(hDC, s, d, *s.PictureNormal);
    put(hDC, s, *s.PictureNormal, s.picX + d, s.picY + d);
}

void drawDisabled(HDC hDC, const ButtonState& s) {
    const rt::StdPicture& normal = *s.PictureNormal;
    const int32_t type = s.ButtonType;
    if (type == 3) {
        put(hDC, s, normal, s.picX + 1, s.picY + 1, {.greyscale = true});
    } else if (type == 5 || type == 6 || type == 9) {
        const int32_t shade = type == 9 ? shiftColor(s.colors.cShadow, 13, false, s.SoftBevel) : s.colors.cShadow;
        put(hDC, s, normal, s.picX, s.picY, silhouette(shade, true));
    } else {
        put(hDC, s, normal, s.picX + 1, s.picY + 1, silhouette(s.colors.cHighlight, true));
        put(hDC, s, normal, s.picX, s.picY, silhouette(s.colors.cShadow, true));
    }
}

}  // namespace

void calcPicSize(ButtonState& s) {
    if (!s.PictureNormal) {
        s.picW = s.picH = 0;
        return;
    }
    s.picW = wholePixels(rt::ScaleX(static_cast<float>(s.PictureNormal->Width()), rt::vbHimetric, rt::vbPixels));
    s.picH = wholePixels(rt::ScaleY(static_cast<float>(s.PictureNormal->Height()), rt::vbHimetric, rt::vbPixels));
}

void calcPicPos(ButtonState& s) {
    if (!s.PictureNormal && !s.PictureOver) return;
    const POINT at = blank(s.Caption) || s.PicturePosition == kBehind ? centred(s) : besideCaption(s);
    s.picX = at.x;
    s.picY = at.y;
}

void drawPictures(HDC hDC, ButtonState& s, uint8_t picState) {
    if (!s.PictureNormal) return;
    switch (picState) {
        case picturesUp: drawUp(hDC, s); break;
        case picturesDown: drawDown(hDC, s); break;
        case picturesDisabled: drawDisabled(hDC, s); break;
        default: break;
    }
    if (s.PicturePosition == kBehind) drawCaption(hDC, s, static_cast<uint8_t>(s.lastTextState));
}

}  // namespace button
