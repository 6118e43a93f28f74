#include "button/ButtonColors.h"

#include "runtime/Handles.h"

namespace button {
namespace {

struct Channels {
    int32_t red, green, blue;
};

// The channels as the colour arithmetic takes them (division truncating
// toward zero, so a value with a top byte still splits the same way).
Channels split(int32_t c) { return {c & 255, (c / 256) % 256, (c / 65536) % 256}; }

int32_t assemble(const Channels& c) { return c.green * 256 + c.red + c.blue * 65536; }

int32_t clampUp(int32_t v) { return v > 255 ? 255 : v; }
int32_t clampDown(int32_t v) { return v < 0 ? 0 : v; }

int32_t sysColor(int index) { return static_cast<int32_t>(GetSysColor(index)); }

void systemScheme(ButtonState& s) {
    ColorSet& c = s.colors;
    c.cFace = sysColor(COLOR_BTNFACE);
    c.cText = sysColor(COLOR_BTNTEXT);
    c.cTextOver = sysColor(COLOR_BTNTEXT);
    c.cShadow = sysColor(COLOR_BTNSHADOW);
    c.cLight = sysColor(COLOR_3DLIGHT);
    c.cHighlight = sysColor(COLOR_BTNHIGHLIGHT);
    c.cDarkShadow = sysColor(COLOR_3DDKSHADOW);
    s.selColor = sysColor(COLOR_HIGHLIGHT);
    s.selPaleColor = lightenColor(s.selColor, 176);
}

void fixedScheme(ButtonState& s) {
    ColorSet& c = s.colors;
    c.cFace = 0xC0C0C0;
    c.cText = 0;
    c.cTextOver = 0;
    c.cShadow = 0x808080;
    c.cLight = 0xDFDFDF;
    c.cHighlight = 0xFFFFFF;
    c.cDarkShadow = 0;
    s.selColor = 0x800000;
    s.selPaleColor = 0xD1ADAD;
}

void bevelShades(ButtonState& s) {
    ColorSet& c = s.colors;
    c.cShadow = shiftColor(c.cFace, -64, false, s.SoftBevel);
    c.cLight = shiftColor(c.cFace, 31, false, s.SoftBevel);
    c.cHighlight = shiftColor(c.cFace, 47, false, s.SoftBevel);
    c.cDarkShadow = shiftColor(c.cFace, -192, false, s.SoftBevel);
}

void customScheme(ButtonState& s) {
    ColorSet& c = s.colors;
    c.cFace = translateColor(s.BackColor);
    c.cText = translateColor(s.ForeColor);
    c.cTextOver = translateColor(s.ForeOver);
    bevelShades(s);
    s.selColor = shiftColor(c.cFace, -128, false, s.SoftBevel);
    s.selPaleColor = c.cFace;
}

void containerScheme(ButtonState& s, HWND hwnd) {
    ColorSet& c = s.colors;
    {
        rt::unique_hdc_window parentDC(GetParent(hwnd));
        c.cFace = static_cast<int32_t>(GetBkColor(parentDC.get()));
        c.cText = static_cast<int32_t>(GetTextColor(parentDC.get()));
    }
    c.cTextOver = c.cText;
    bevelShades(s);
    s.selColor = sysColor(COLOR_HIGHLIGHT);
    s.selPaleColor = lightenColor(s.selColor, 176);
}

}  // namespace

// A plain colour, a palette index or a palette-relative colour stays as it
// is (there is no palette to look in); a system colour reference becomes
// that colour (black for an index the system does not know); anything else
// is black.
int32_t translateColor(int32_t color) {
    const auto value = static_cast<uint32_t>(color);
    const uint32_t kind = value >> 24;
    if (kind <= 2) return color;
    return kind == 0x80 ? sysColor(static_cast<int>(value & 0xFF)) : 0;
}

int32_t shiftColor(int32_t color, int32_t amount, bool blueScaled, bool softBevel) {
    if (softBevel) amount /= 2;
    Channels c = split(color);
    c.green += amount;
    c.red += amount;
    c.blue += blueScaled ? (c.blue * amount) / 192 : amount;
    if (amount > 0) c = {clampUp(c.red), clampUp(c.green), clampUp(c.blue)};
    if (amount < 0) c = {clampDown(c.red), clampDown(c.green), clampDown(c.blue)};
    return assemble(c);
}

int32_t lightenColor(int32_t color, int32_t amount) {
    const int32_t k = 255 - amount;
    Channels c = split(color);
    c.red = clampUp(c.red * k / 255 + amount);
    c.green = clampUp(c.green * k / 255 + amount);
    c.blue = clampUp(c.blue * k / 255 + amount);
    return assemble(c);
}

EffectShades effectShades(int32_t base, int32_t specialEffect, bool softBevel) {
    const int32_t amount = specialEffect == 2 ? 40 : -40;
    return {shiftColor(base, amount, false, softBevel), shiftColor(base, -amount, false, softBevel), specialEffect < 3};
}

void setColors(ButtonState& s, HWND hwnd) {
    switch (s.ColorScheme) {
        case schemeCustom: customScheme(s); break;
        case schemeFixed: fixedScheme(s); break;
        case schemeContainer: containerScheme(s, hwnd); break;
        default: systemScheme(s); break;
    }
    s.colors.cMask = translateColor(s.MaskColor);
    s.colors.cFaceXP = shiftColor(s.colors.cFace, 48, s.ButtonType == 3, s.SoftBevel);
}

}  // namespace button
