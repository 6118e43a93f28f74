#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "Canvas.h"
#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/ButtonPainter.h"
#include "button/ButtonPictures.h"
#include "button/ButtonPrimitives.h"
#include "button/ButtonRegion.h"
#include "resources/ResourceIds.h"

using namespace button;
using Pixels = std::vector<COLORREF>;

namespace {

constexpr COLORREF kCleared = 0xFF00FF, kBehind = 0x2080E0;
constexpr int W = 32, H = 20, kNoCaption = 99;

// A button painting on a canvas in place of a control's surface; it counts
// the clears. Type 14's bold caption goes through the live button's FontBold
// and is tested there.
struct CanvasButton : ButtonSurface {
    Canvas canvas;
    ButtonState s;
    ButtonPainter painter{s, *this};
    bool isDefault = false;
    int clears = 0;
    CanvasButton(int w, int h, int32_t type, int fontHeight = -13)
        : canvas(w, h, [](int, int) { return kCleared; }, fontHeight) {
        s.ButtonType = type, s.Wi = w, s.He = h, s.refreshOn = s.Enabled = s.ShowFocusRect = s.UseMaskColor = true;
        s.lastTextState = kNoCaption;
    }
    ~CanvasButton() override { s.backgroundDC.release(); }
    HDC surfaceDC() override { return canvas.dc.get(); }
    void clearSurface() override { ++clears, drawRectangle(canvas.dc.get(), 0, 0, canvas.w, canvas.h, kCleared, 0); }
    HWND buttonWindow() const override { return nullptr; }
    bool isDefaultButton() const override { return isDefault; }
    bool captionBold() const override { return false; }
    void captionBold(bool) override {}
    void layout() {
        setColors(s, nullptr);
        calcPicSize(s);
        calcTextRects(canvas.dc.get(), s);
    }
};

// What a look is asked for: at rest, under the pointer, pressed (under the pointer), disabled.
enum Shown { up, hover, down, downOver, off };

void show(CanvasButton& b, Shown shown) {
    b.s.isOver = shown == hover || shown == downOver;
    b.s.Enabled = shown != off;
    b.painter.redraw(shown == down || shown == downOver ? stateDown : stateUp, true);
}

// A colour of the set shifted by `amount` (Xp and XpDown, the pressed base
// of type 3, with blue in proportion), type 9's pressed face, or `amount`
// itself (Fixed). Negative x and y count from the right and bottom.
enum Role { Face, Light, Hl, Sh, Dk, Sel, Pale, Pressed, Xp, XpDown, Fixed };
struct Point { int x, y; Role role; int32_t amount = 0; };

int32_t expected(const ButtonState& s, const Point& p) {
    const ColorSet& c = s.colors;
    auto shift = [&](int32_t color, int32_t amount, bool blue) { return shiftColor(color, amount, blue, s.SoftBevel); };
    switch (p.role) {
        case Fixed: return p.amount;
        case Pressed: return s.ColorScheme == 2 ? shift(s.selPaleColor, -32, false) : lightenColor(s.selColor, 128);
        case Xp: return shift(c.cFaceXP, p.amount, true);
        case XpDown: return shift(shift(c.cFaceXP, -32, true), p.amount, true);
        default: return shift(std::array{c.cFace, c.cLight, c.cHighlight, c.cShadow, c.cDarkShadow, s.selColor,
                                         s.selPaleColor}[p.role], p.amount, false);
    }
}

// Flags: D the default button, F the focus, C a checked check box; f: the
// look draws the dotted focus rectangle when the button has the focus.
const struct { int32_t type; Shown shown; const char* flags; int caption; std::vector<Point> want; } kLooks[] = {
    // Two rings inside a dark edge: the outer at (1, 1) and (-2, -2), the inner at (2, 2) and (-3, -3).
    {1, up, "f", 0, {{0, 0, Dk}, {1, 1, Hl}, {-2, -2, Sh}, {2, 2, Hl}, {-3, -3, Sh}, {5, 5, Face}}},
    {1, down, "f", 2, {{1, 1, Sh}, {-2, -2, Hl}, {2, 2, Sh}, {-3, -3, Hl}}}, {1, off, "", 3, {{1, 1, Hl}, {-2, -2, Sh}}},
    {1, up, "Cf", 2, {{1, 1, Sh}, {-2, -2, Hl}}},                    {1, off, "C", 3, {{1, 1, Hl}}},
    {2, up, "", 0, {{0, 0, Hl}, {-1, -1, Dk}, {1, 1, Light}, {-2, -2, Sh}}},
    {2, hover, "Df", 1, {{0, 0, Dk}, {1, 1, Hl}, {-2, -2, Dk}, {2, 2, Light}, {-3, -3, Sh}}},
    {2, down, "Df", 2, {{0, 0, Dk}, {1, 1, Sh}, {-2, -2, Sh}, {2, 2, Face}}}, {2, off, "D", 3, {{0, 0, Hl}}},
    // Gradient rows (1.25 a row at height 20: row 10 rounds 12.5 to 12), edge, corners, then bevel or rings.
    {3, up, "", 0, {{16, 5, Xp, -6}, {16, 10, Xp, -12}, {0, 0, Fixed, 0x733C00}, {1, 1, Fixed, 0x7B4D10},
                    {5, -2, Xp, -48}, {-3, 5, Xp, -24}, {5, 1, Xp, 16}, {2, 5, Xp, -10}}},
    {3, hover, "F", 1, {{1, 5, Fixed, 0x31B2FF}, {5, -2, Fixed, 0x96E7}, {5, 1, Fixed, 0xCEF3FF}}},
    {3, up, "D", 0, {{1, 5, Fixed, 0xE7AE8C}, {5, -2, Fixed, 0xEF826B}, {5, 1, Fixed, 0xFFE7CE}}},
    {3, down, "", 2, {{16, 5, XpDown, -19}, {16, 10, XpDown, -12}, {5, -2, XpDown, 16}, {-3, 5, Xp, 0},
                      {5, 1, XpDown, -32}, {2, 5, XpDown, -22}}},
    {3, off, "", 5, {{16, 5, Xp, -24}, {0, 0, Xp, -84}, {1, 1, Xp, -72}}},
    {4, up, "", 0, {{5, 5, Light}, {0, 0, Dk}, {1, 2, Face}, {5, 2, Hl}, {3, 3, Hl}, {-4, -4, Face}, {-3, -3, Sh}}},
    {4, down, "", 2, {{5, 5, Sh, -16}, {1, 1, Dk}, {1, 5, Sh, -64}, {2, 5, Sh, -32}, {-4, -4, Sh}, {-2, 5, Sh, -16}}},
    {5, up, "", 0, {{5, 5, Face, 12}, {0, 5, Sh, -26}, {-1, 5, Hl}, {1, 5, Hl}, {1, -2, Sh, 26}}},
    // The pressed caption of type 5 is drawn outside the caption states.
    {5, down, "", kNoCaption, {{5, 5, Sh, 16}, {0, 5, Sh, -26}, {-1, 5, Hl}}},
    {5, off, "", 4, {{0, 0, Sh}, {5, 5, Face}}},
    {6, up, "f", 0, {{0, 0, Light, 8}, {-1, -1, Sh}, {1, 1, Light, 8}, {-2, -2, Sh}, {5, 5, Face}}},
    {6, down, "f", 2, {{0, 0, Sh}, {-1, -1, Light, 8}}},             {7, down, "f", 2, {{0, 0, Sh}, {-1, -1, Hl}}},
    {7, up, "f", 0, {{0, 0, Hl}, {-1, -1, Sh}, {1, 1, Face}}},
    // Flat until the pointer comes, then raised: 8 as 7 is, 12 as 2 is.
    {8, up, "f", 0, {{0, 0, Face}, {-1, -1, Face}}},                 {8, hover, "f", 1, {{0, 0, Hl}, {-1, -1, Sh}}},
    {12, hover, "f", 1, {{0, 0, Hl}, {-1, -1, Dk}, {1, 1, Light}}},  {12, down, "f", 2, {{0, 0, Dk}, {1, 1, Sh}}},
    {9, hover, "f", 1, {{0, 0, Sel}, {-1, -1, Sel}, {1, 1, Pale}, {-2, -2, Pale}}},
    {9, down, "f", 2, {{0, 0, Sel}, {5, 5, Face}}},                  {9, off, "", 4, {{0, 0, Face}, {-1, -1, Face}}},
    {9, downOver, "f", 2, {{0, 0, Sel}, {5, 5, Pressed}}},           {10, hover, "", kNoCaption, {{0, 0, Face}}},
    {15, down, "", kNoCaption, {{0, 0, Face}}},                      {11, up, "f", 0, {{0, 0, Fixed, kBehind}}},
    {11, down, "f", 2, {{5, 5, Fixed, kBehind}}},
    {13, up, "", 0, {{16, 10, Face}, {16, 0, Face}, {0, 0, Face}}}, {13, hover, "", 1, {{16, 0, Sh}, {16, 10, Face}}},
    {13, down, "", 2, {{16, 0, Dk}, {16, 10, Face, -32}}},
    // Row 5: 2.9 a row, as a single-precision value a little more, makes 14.5 round up.
    {14, up, "f", 0, {{16, 5, Hl, -15}, {0, 0, Sh, -50}, {1, 5, Face, -9}, {5, 2, Hl}}},
    {14, hover, "f", 1, {{16, 5, Light}, {0, 0, Sh, -50}}},          {14, off, "", 6, {{16, 5, Hl, -15}, {3, 5, Hl}}},
    {14, down, "f", 7, {{5, 5, Face, -9}, {0, 0, Sh, -48}, {5, -2, Hl}}},
};

// The colour set setColors makes, and the fields a paint must leave as it found them.
ButtonState colours(int32_t type, int32_t scheme, bool soft, int32_t back) {
    ButtonState s;
    s.ButtonType = type, s.ColorScheme = scheme, s.SoftBevel = soft, s.BackColor = back;
    setColors(s, nullptr);
    return s;
}

std::vector<int32_t> kept(const ButtonState& s) {
    return {s.BackColor, s.colors.cFace, s.colors.cShadow, s.colors.cFaceXP, s.selPaleColor};
}

// What a paint must leave in the context as it found it (the caption sets
// its own text colour each time).
std::vector<uintptr_t> held(HDC dc) {
    auto object = [dc](UINT type) { return reinterpret_cast<uintptr_t>(GetCurrentObject(dc, type)); };
    return {object(OBJ_PEN), object(OBJ_BRUSH), object(OBJ_FONT), object(OBJ_BITMAP),
            GetDCPenColor(dc), GetDCBrushColor(dc), GetBkColor(dc), static_cast<uintptr_t>(GetBkMode(dc))};
}

}  // namespace

// A paint needs a height and refreshOn, and is skipped when state and caption
// repeat the last paint unless forced; a checked check box paints pressed.
TEST(ButtonPainter, SkipAndCheckBoxRules) {
    CanvasButton b(40, 20, 0);
    // height, refreshOn, checked check box, state, forced, caption -> paints, lastState
    const struct { int he; bool on, chk; uint8_t st; bool force; const wchar_t* cap; bool paint; int last; } steps[] = {
        {20, true, false, 0, false, L"a", true, 0}, {20, true, false, 0, false, L"a", false, 0},
        {20, true, false, 0, true, L"a", true, 0},  {20, true, false, 2, false, L"a", true, 2},
        {20, true, false, 2, false, L"b", true, 2}, {0, true, false, 0, true, L"c", false, 2},
        {20, false, false, 0, true, L"c", false, 2}, {20, true, true, 0, true, L"c", true, 2},
    };
    for (const auto& st : steps) {
        b.s.He = st.he, b.s.refreshOn = st.on, b.s.CheckBoxBehaviour = b.s.Value = st.chk, b.s.Caption = st.cap;
        const int clears = b.clears;
        b.painter.redraw(st.st, st.force);
        EXPECT_EQ(std::make_pair(b.clears - clears, int(b.s.lastState)), std::make_pair(st.paint ? 1 : 0, st.last))
            << int(st.st) << " " << st.cap;
    }
}

// Every look at its characteristic points in each colour scheme, with and
// without the soft bevel; hovered custom colours come from BackOver. Each
// paint leaves the colour set as setColors makes it (BackColor back after
// the hover colours, the lightened face after type 4's pressed caption),
// and the context with the objects and colours it had.
TEST(ButtonLooks, ColoursAtCharacteristicPoints) {
    const Canvas behind(W, H, kBehind);
    const int32_t back = 0x3070B0, over = 0x50A040;
    for (int32_t scheme : {1, 2, 3, 4}) {
        for (bool soft : {false, true}) {
            for (const auto& c : kLooks) {
                CanvasButton b(W, H, c.type);
                b.s.ColorScheme = scheme, b.s.SoftBevel = soft, b.s.BackColor = back, b.s.BackOver = over;
                b.isDefault = std::strchr(c.flags, 'D'), b.s.hasFocus = std::strchr(c.flags, 'F');
                b.s.CheckBoxBehaviour = b.s.Value = std::strchr(c.flags, 'C');
                b.s.backgroundDC.reset(behind.dc.get());
                b.layout();
                HDC dc = b.canvas.dc.get();
                SetDCPenColor(dc, 0x123456), SetDCBrushColor(dc, 0x654321);
                const auto before = held(dc);
                show(b, c.shown);
                EXPECT_EQ(held(dc), before) << "type " << c.type << " shown " << c.shown;
                const bool hoverColours = scheme == 2 && (c.shown == hover || c.shown == downOver);
                const ButtonState during = colours(c.type, scheme, soft, hoverColours ? over : back);
                Pixels got{static_cast<COLORREF>(b.s.lastTextState)}, want{static_cast<COLORREF>(c.caption)};
                for (const Point& p : c.want) {
                    got.push_back(b.canvas.at(p.x < 0 ? W + p.x : p.x, p.y < 0 ? H + p.y : p.y));
                    want.push_back(expected(during, p));
                }
                EXPECT_EQ(got, want) << "type " << c.type << " shown " << c.shown << c.flags << " scheme " << scheme
                                     << " soft " << soft;
                EXPECT_EQ(kept(b.s), kept(colours(c.type, scheme, soft, back))) << c.type;
            }
        }
    }
}

// With the focus, the looks flagged f draw the dotted rectangle (its top
// left corner changes); type 5 frames its caption in CC9999 instead.
TEST(ButtonLooks, FocusDrawing) {
    for (const auto& c : kLooks) {
        Pixels corner[2];
        for (bool focused : {false, true}) {
            CanvasButton b(W, H, c.type);
            b.isDefault = std::strchr(c.flags, 'D'), b.s.hasFocus = focused;
            b.s.CheckBoxBehaviour = b.s.Value = std::strchr(c.flags, 'C');
            b.layout();
            b.s.rcFocus = focusRect(c.type, {0, 0, W, H});
            show(b, c.shown);
            const RECT& r = b.s.rcFocus;
            for (int x = r.left; x < r.left + 4; ++x) corner[focused].push_back(b.canvas.at(x, r.top));
        }
        EXPECT_EQ(corner[0] != corner[1], std::strchr(c.flags, 'f') != nullptr)
            << "type " << c.type << " shown " << c.shown << c.flags;
    }
    for (Shown shown : {up, down, off}) {
        Pixels frame[2];
        for (bool focused : {false, true}) {
            CanvasButton b(60, 24, 5);
            b.s.Caption = L"Go", b.s.hasFocus = focused;
            b.layout();
            show(b, shown);
            const RECT& r = b.s.rcText;
            frame[focused] = {b.canvas.at(r.left - 2, r.top - 1), b.canvas.at(r.right + 1, r.bottom)};
        }
        EXPECT_EQ(frame[1] == Pixels(2, 0xCC9999), shown != off) << shown;
        EXPECT_NE(frame[0], Pixels(2, 0xCC9999)) << shown;
    }
}

// Types 1 to 14 down the sheet, each at rest, hovered, pressed and disabled
// as the launcher's buttons are (scheme 1, the play icon and caption, 113 x 25).
// Every look frees the GDI objects it makes.
TEST(ButtonLooks, ContactSheet) {
    constexpr int bw = 113, bh = 25, cw = bw + 4, ch = bh + 4, left = 24, top = 2;
    Canvas sheet(left + 4 * cw, top + 14 * ch, 0xFFFFFF);
    const Canvas behind(bw, bh, [](int x, int y) -> COLORREF { return (x + y) / 6 % 2 ? 0xB0D8F0 : 0x80B0E0; });
    const rt::PictureRef icon = rt::StdPicture::fromIcon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PLAY), IMAGE_ICON, 16, 16, 0)));
    auto label = [&](const std::string& text, RECT r) {
        DrawTextA(sheet.dc.get(), text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    };
    const long start = rt::gdiOwnedCount();
    for (int32_t type = 1; type <= 14; ++type) {
        const int y = top + (type - 1) * ch;
        label(std::to_string(type), {0, y, left, y + ch});
        for (int col = 0; col < 4; ++col) {
            CanvasButton b(bw, bh, type, -11);
            b.s.Caption = L"&Start game...", b.s.PictureNormal = icon, b.s.MaskColor = 0xC0C0C0, b.s.ColorScheme = 1;
            b.s.backgroundDC.reset(behind.dc.get());
            b.layout();
            show(b, std::array{up, hover, downOver, off}[col]);
            BitBlt(sheet.dc.get(), left + col * cw + 2, y + 2, bw, bh, b.canvas.dc.get(), 0, 0, SRCCOPY);
        }
    }
    EXPECT_EQ(rt::gdiOwnedCount(), start);
    EXPECT_TRUE(sheet.saveArtefact(L"button-looks"));
}
