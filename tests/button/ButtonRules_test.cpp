// The button's rules that need no window: access keys, regions, focus
// rectangles and colour sets.
#include <gtest/gtest.h>
#include <olectl.h>

#include <vector>

#include "button/AccessKey.h"
#include "button/ButtonColors.h"
#include "button/ButtonRegion.h"

using namespace button;
using Set = std::vector<int32_t>;

namespace {

const int32_t kFace = static_cast<int32_t>(GetSysColor(COLOR_BTNFACE));

// The colour set a button gets, in the order face, light, highlight, shadow,
// dark shadow, text, text over, mask, lightened face, selection, pale selection.
Set colorsOf(int32_t scheme, bool soft = false, HWND hwnd = nullptr) {
    ButtonState s;
    s.ColorScheme = scheme, s.SoftBevel = soft, s.BackColor = 0xC0C0C0, s.ForeColor = 0x00FF00, s.ForeOver = 0x0000FF;
    s.MaskColor = static_cast<int32_t>(0x8000000F);  // the system's button face
    setColors(s, hwnd);
    const ColorSet& c = s.colors;
    return {c.cFace, c.cLight, c.cHighlight, c.cShadow, c.cDarkShadow, c.cText,
            c.cTextOver, c.cMask, c.cFaceXP, s.selColor, s.selPaleColor};
}

}  // namespace

TEST(AccessKey, CharacterAfterTheAmpersand) {
    const struct { const wchar_t *caption, *key; } cases[] = {
        {L"&Start game...", L"s"}, {L"&\u00C4", L"\u00E4"}, {L"&&&x", L"x"}, {L"A&&B&&C&D", L""}, {L"&", L""}};
    for (const auto& c : cases) EXPECT_EQ(accessKeyOf(c.caption), c.key) << c.caption;
}

TEST(ButtonRegion, PixelsCutByType) {
    const int wi = 20, he = 10;
    const struct { int32_t type; int cut; } cases[] = {{1, 4}, {5, 2}, {3, 12}, {2, 0}};
    for (const auto& c : cases) {
        rt::unique_hrgn r = makeRegion(c.type, wi, he);
        int inside = 0;
        for (int i = 0; i < wi * he; ++i) inside += PtInRegion(r.get(), i % wi, i / wi) ? 1 : 0;
        EXPECT_EQ(inside, wi * he - c.cut) << c.type;
    }
    rt::unique_hrgn oval = makeRegion(13, 30, 30);
    EXPECT_FALSE(PtInRegion(oval.get(), 0, 0) || PtInRegion(oval.get(), 29, 29));  // an ellipse even when square
    EXPECT_TRUE(PtInRegion(oval.get(), 15, 1));
}

TEST(ButtonRegion, FocusRectangleInsetByType) {
    const struct { int32_t type; RECT focus; } cases[] = {
        {6, {4, 4, 96, 26}}, {7, {3, 3, 97, 27}}, {14, {6, 6, 96, 26}}};
    for (const auto& c : cases) {
        RECT r = focusRect(c.type, {0, 0, 100, 30});
        EXPECT_TRUE(EqualRect(&r, &c.focus)) << c.type;
    }
}

TEST(ButtonColors, ShiftAndLighten) {
    const struct { int32_t color, amount; bool blueScaled, soft; int32_t want; } shifts[] = {
        {0x804020, 48, true, false, 0xA07050},  {0x804020, 48, false, false, 0xB07050},
        {0xFF00FF, 1, false, false, 0xFF01FF},  // each channel clamps alone
        {0xC0C0C0, -1, false, true, 0xC0C0C0},  // halving truncates to 0
    };
    for (const auto& c : shifts)
        EXPECT_EQ(shiftColor(c.color, c.amount, c.blueScaled, c.soft), c.want) << std::hex << c.color;
    const struct { int32_t color, amount, want; } lightens[] = {{0x800000, 128, 0xBF8080}, {0xFFFFFF, 176, 0xFFFFFF}};
    for (const auto& c : lightens) EXPECT_EQ(lightenColor(c.color, c.amount), c.want) << std::hex << c.color;
}

// Plain colours, palette values, system colour references valid and not,
// and other top bytes: as the platform's own translation without a palette.
TEST(ButtonColors, TranslatedAsThePlatformDoes) {
    for (uint32_t color : {0x00123456u, 0x01000005u, 0x0100FFFFu, 0x02123456u, 0x03123456u, 0x8000000Fu, 0x80000000u,
                           0x8000001Eu, 0x8000001Fu, 0x800000FFu, 0x80000105u, 0x80FF0012u, 0x81000000u, 0xFF000000u,
                           0x7F000000u}) {
        COLORREF platform = 0;
        OleTranslateColor(color, nullptr, &platform);
        EXPECT_EQ(translateColor(static_cast<int32_t>(color)), static_cast<int32_t>(platform)) << std::hex << color;
    }
}

TEST(ButtonColors, Schemes) {
    EXPECT_EQ(colorsOf(schemeCustom), (Set{0xC0C0C0, 0xDFDFDF, 0xEFEFEF, 0x808080, 0, 0x00FF00, 0x0000FF, kFace,
                                           0xF0F0F0, 0x404040, 0xC0C0C0}));
    EXPECT_EQ(colorsOf(schemeCustom, true), (Set{0xC0C0C0, 0xCFCFCF, 0xD7D7D7, 0xA0A0A0, 0x606060, 0x00FF00,
                                                 0x0000FF, kFace, 0xD8D8D8, 0x808080, 0xC0C0C0}));
    EXPECT_EQ(colorsOf(schemeFixed), (Set{0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0x808080, 0, 0, 0, kFace, 0xF0F0F0,
                                          0x800000, 0xD1ADAD}));
    const Set system = colorsOf(1);
    EXPECT_EQ(system[0], kFace);
    EXPECT_EQ(system[10], lightenColor(static_cast<int32_t>(GetSysColor(COLOR_HIGHLIGHT)), 176));
    for (int32_t scheme : {0, 7, -1}) EXPECT_EQ(colorsOf(scheme), system) << scheme;
}

// Scheme 4 takes the face and text colours of the parent window's device
// context (one of its own here, so that they last).
TEST(ButtonColors, ContainerScheme) {
    WNDCLASSW wc{CS_OWNDC, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"twOwnDC"};
    RegisterClassW(&wc);
    HWND parent = CreateWindowW(L"twOwnDC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowW(L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    HDC dc = GetDC(parent);
    SetBkColor(dc, 0x406080);
    SetTextColor(dc, 0x00FF00);
    ReleaseDC(parent, dc);
    const int32_t sel = static_cast<int32_t>(GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(colorsOf(schemeContainer, false, child), (Set{0x406080, 0x5F7F9F, 0x6F8FAF, 0x002040, 0, 0x00FF00,
                                                            0x00FF00, kFace, 0x7090B0, sel, lightenColor(sel, 176)}));
    DestroyWindow(parent);
}
