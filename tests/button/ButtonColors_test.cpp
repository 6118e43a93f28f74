#include <gtest/gtest.h>

#include "button/ButtonColors.h"

using namespace button;

namespace {

struct ShiftCase {
    int32_t color, amount;
    bool blueScaled, soft;
    int32_t expected;
};

ButtonState stateWith(int32_t scheme, bool soft = false, int32_t type = 2) {
    ButtonState s;
    s.ColorScheme = scheme;
    s.SoftBevel = soft;
    s.ButtonType = type;
    s.BackColor = 0x204080;
    s.ForeColor = 0x00FF00;
    s.ForeOver = 0x0000FF;
    s.MaskColor = 0xC0C0C0;
    return s;
}

bool sameSet(const ButtonState& a, const ButtonState& b) {
    const ColorSet &x = a.colors, &y = b.colors;
    return x.cFace == y.cFace && x.cLight == y.cLight && x.cHighlight == y.cHighlight && x.cShadow == y.cShadow &&
           x.cDarkShadow == y.cDarkShadow && x.cText == y.cText && x.cTextOver == y.cTextOver &&
           x.cMask == y.cMask && x.cFaceXP == y.cFaceXP && a.selColor == b.selColor &&
           a.selPaleColor == b.selPaleColor;
}

}  // namespace

TEST(ButtonColors, ShiftColor) {
    const ShiftCase cases[] = {
        {0xC0C0C0, -64, false, false, 0x808080},  {0xC0C0C0, 31, false, false, 0xDFDFDF},
        {0xC0C0C0, 47, false, false, 0xEFEFEF},   {0xC0C0C0, -192, false, false, 0},
        {0xC0C0C0, -128, false, false, 0x404040}, {0xC0C0C0, 48, false, false, 0xF0F0F0},
        {0xC0C0C0, -64, false, true, 0xA0A0A0},   {0xC0C0C0, 31, false, true, 0xCFCFCF},
        {0xC0C0C0, 47, false, true, 0xD7D7D7},    {0x804020, 48, true, false, 0xA07050},
        {0x804020, 48, false, false, 0xB07050},   {0xF0F0F0, -104, true, false, 0x6E8888},
        {0x102030, 0, false, false, 0x102030},    {0xFF00FF, 1, false, false, 0xFF01FF},
        {0x00FF00, -1, false, false, 0x00FE00},   {0xC0C0C0, -1, false, true, 0xC0C0C0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shiftColor(c.color, c.amount, c.blueScaled, c.soft), c.expected)
            << std::hex << c.color << " by " << std::dec << c.amount;
}

TEST(ButtonColors, LightenColor) {
    const struct { int32_t color, amount, expected; } cases[] = {
        {0x800000, 176, 0xD7B0B0}, {0x800000, 128, 0xBF8080}, {0, 176, 0xB0B0B0},
        {0xFFFFFF, 176, 0xFFFFFF}, {0x123456, 0, 0x123456},   {0x123456, 255, 0xFFFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(lightenColor(c.color, c.amount), c.expected) << std::hex << c.color;
}

TEST(ButtonColors, TranslateColorResolvesSystemColours) {
    EXPECT_EQ(translateColor(0x123456), 0x123456);
    EXPECT_EQ(translateColor(static_cast<int32_t>(0x8000000F)), static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(translateColor(static_cast<int32_t>(0x80000012)), static_cast<int32_t>(GetSysColor(COLOR_BTNTEXT)));
}

TEST(ButtonColors, CustomSchemeDerivesEveryShadeFromTheFace) {
    ButtonState s = stateWith(schemeCustom);
    s.BackColor = 0xC0C0C0;
    setColors(s, nullptr);
    EXPECT_EQ(s.colors.cFace, 0xC0C0C0);
    EXPECT_EQ(s.colors.cHighlight, 0xEFEFEF);
    EXPECT_EQ(s.colors.cShadow, 0x808080);
    EXPECT_EQ(s.colors.cLight, 0xDFDFDF);
    EXPECT_EQ(s.colors.cDarkShadow, 0);
    EXPECT_EQ(s.selColor, 0x404040);
    EXPECT_EQ(s.selPaleColor, 0xC0C0C0);
    EXPECT_EQ(s.colors.cText, 0x00FF00);
    EXPECT_EQ(s.colors.cTextOver, 0x0000FF);
    EXPECT_EQ(s.colors.cFaceXP, 0xF0F0F0);
    s.SoftBevel = true;
    setColors(s, nullptr);
    EXPECT_EQ(s.colors.cShadow, 0xA0A0A0);
    EXPECT_EQ(s.colors.cHighlight, 0xD7D7D7);
    EXPECT_EQ(s.selColor, 0x808080);
}

TEST(ButtonColors, FixedSchemeIgnoresTheColourProperties) {
    ButtonState s = stateWith(schemeFixed);
    setColors(s, nullptr);
    EXPECT_EQ(s.colors.cFace, 0xC0C0C0);
    EXPECT_EQ(s.colors.cHighlight, 0xFFFFFF);
    EXPECT_EQ(s.colors.cLight, 0xDFDFDF);
    EXPECT_EQ(s.colors.cText, 0);
    EXPECT_EQ(s.selColor, 0x800000);
    EXPECT_EQ(s.selPaleColor, 0xD1ADAD);
}

TEST(ButtonColors, SystemSchemeForEveryOtherNumber) {
    ButtonState one = stateWith(1);
    setColors(one, nullptr);
    EXPECT_EQ(one.colors.cFace, static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(one.colors.cDarkShadow, static_cast<int32_t>(GetSysColor(COLOR_3DDKSHADOW)));
    EXPECT_EQ(one.selPaleColor, lightenColor(static_cast<int32_t>(GetSysColor(COLOR_HIGHLIGHT)), 176));
    for (int32_t scheme : {0, 7, -1}) {
        ButtonState other = stateWith(scheme);
        setColors(other, nullptr);
        EXPECT_TRUE(sameSet(one, other)) << scheme;
    }
}

TEST(ButtonColors, ContainerSchemeReadsTheParentsColours) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    ButtonState s = stateWith(schemeContainer);
    setColors(s, child);
    HDC dc = GetDC(parent);
    int32_t face = static_cast<int32_t>(GetBkColor(dc)), text = static_cast<int32_t>(GetTextColor(dc));
    ReleaseDC(parent, dc);
    EXPECT_EQ(s.colors.cFace, face);
    EXPECT_EQ(s.colors.cText, text);
    EXPECT_EQ(s.colors.cTextOver, text);
    EXPECT_EQ(s.colors.cShadow, shiftColor(face, -64, false, false));
    EXPECT_EQ(s.selColor, static_cast<int32_t>(GetSysColor(COLOR_HIGHLIGHT)));
    DestroyWindow(parent);
}

TEST(ButtonColors, MaskAndLightenedFaceInEveryScheme) {
    for (int32_t scheme : {1, 2, 3}) {
        ButtonState s = stateWith(scheme);
        s.MaskColor = static_cast<int32_t>(0x8000000F);
        setColors(s, nullptr);
        EXPECT_EQ(s.colors.cMask, static_cast<int32_t>(GetSysColor(COLOR_BTNFACE))) << scheme;
        EXPECT_EQ(s.colors.cFaceXP, shiftColor(s.colors.cFace, 48, false, false)) << scheme;
    }
    ButtonState blue = stateWith(schemeCustom, false, 3);
    setColors(blue, nullptr);
    EXPECT_EQ(blue.colors.cFaceXP, shiftColor(0x204080, 48, true, false));
}
