#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/ButtonPictures.h"
#include "button/ButtonPrimitives.h"
#include "button/TransBlt.h"
#include "Canvas.h"

using namespace button;
using Map = std::vector<std::string>;
using Pixels = std::vector<COLORREF>;

namespace {

constexpr COLORREF K = 0x203040, A = 0x0000FF, B = 0x00FF00, C = 0xFF0000, D = 0x00FFFF, kMask = 0xFF00FF;

// Rows of letters: A to D for those colours, '.' the background, '?' others.
Map letters(const Canvas& canvas) {
    const std::map<COLORREF, char> letter{{A, 'A'}, {B, 'B'}, {C, 'C'}, {D, 'D'}, {K, '.'}};
    Map rows(canvas.h, std::string(canvas.w, '?'));
    for (int i = 0; i < canvas.w * canvas.h; ++i) {
        const COLORREF c = canvas.at(i % canvas.w, i / canvas.w);
        if (letter.count(c)) rows[i / canvas.w][i % canvas.w] = letter.at(c);
    }
    return rows;
}

rt::PictureRef picture(int w, int h, const Paint& colour) {
    uint32_t* bits;
    return rt::StdPicture::fromBitmap(dib(w, h, &bits, colour));
}

// A 16 x 16 red icon whose left half is transparent.
rt::PictureRef halfIcon() {
    const std::vector<uint16_t> andBits(16, 0x00FF);
    rt::unique_hbitmap mask(CreateBitmap(16, 16, 1, 1, andBits.data()));
    rt::PictureRef red = picture(16, 16, [](int x, int) { return x < 8 ? 0 : A; });
    ICONINFO info{TRUE, 0, 0, mask.get(), red->bitmap()};
    return rt::StdPicture::fromIcon(CreateIconIndirect(&info));
}

// Custom colours on a grey face: text 0000C0, hovered 00C000, shadow 808080, highlight EFEFEF.
ButtonState greyButton(int32_t type = 1, bool showFocus = true, bool hasFocus = true) {
    ButtonState s;
    s.ButtonType = type, s.ColorScheme = schemeCustom, s.BackColor = 0xC0C0C0, s.ForeColor = 0xC0, s.ForeOver = 0xC000;
    s.MaskColor = kMask, s.Wi = 60, s.He = 30, s.rcFocus = {1, 1, 7, 5};
    s.UseMaskColor = s.Enabled = true, s.ShowFocusRect = showFocus, s.hasFocus = hasFocus;
    setColors(s, nullptr);
    return s;
}

void focus(HDC dc, bool shown, bool hasFocus, int times = 1) {
    for (int i = 0; i < times; ++i) drawFocus(dc, greyButton(1, shown, hasFocus));
}

// Each shape on a canvas of the button's size; `want` as letters() shows it.
const struct Shape {
    const char* name;
    int w, h;
    std::function<void(HDC, const ButtonState&)> draw;
    Map want;
} kShapes[] = {
    {"outline", 6, 4, [](HDC dc, auto&) { drawRectangle(dc, 0, 0, 6, 4, A, true); },
     {"AAAAAA", "A....A", "A....A", "AAAAAA"}},
    {"lines without their end pixel, a pixel", 6, 3,
     [](HDC dc, auto&) {
         drawLine(dc, 0, 1, 6, 1, A);
         drawLine(dc, 2, 0, 2, 0, B);
         drawLine(dc, 0, 2, 3, 2, B);
         setPixel(dc, 5, 0, C);
     },
     {".....C", "AAAAAA", "BBB..."}},
    {"single ring at the edge", 6, 5, [](HDC dc, auto& s) { drawFrame(dc, s, A, B, C, D, 0, true); },
     {"AAAAAB", "A....B", "A....B", "A....B", "BBBBBB"}},
    {"two rings one pixel in", 7, 6, [](HDC dc, auto& s) { drawFrame(dc, s, A, B, C, D, -1, false); },
     {".......", ".AAAAB.", ".ACCDB.", ".ADDDB.", ".BBBBB.", "......."}},
    {"focus drawn twice", 8, 6, [](HDC dc, auto&) { focus(dc, true, true, 2); }, Map(6, "........")},
};

}  // namespace

TEST(ButtonPrimitives, Shapes) {
    for (const Shape& shape : kShapes) {
        Canvas canvas(shape.w, shape.h);
        ButtonState s;
        s.Wi = shape.w, s.He = shape.h;
        shape.draw(canvas.dc.get(), s);
        EXPECT_EQ(letters(canvas), shape.want) << shape.name;
    }
    // Nothing drawn without ShowFocusRect or without the focus: a ring there
    // would take away the one drawn after it.
    for (bool showFocus : {false, true}) {
        Canvas once(8, 6);
        focus(once.dc.get(), showFocus, !showFocus);
        focus(once.dc.get(), true, true);
        EXPECT_NE(letters(once), Map(6, "........")) << showFocus;
    }
}

TEST(ButtonCaption, RectanglesByPicturePosition) {
    Canvas canvas(100, 25);
    SIZE t;
    GetTextExtentPoint32A(canvas.dc.get(), "Start", 5, &t);
    const int tw = t.cx, th = t.cy;
    // Centred in the client area less a 1-pixel edge and the 16-pixel
    // picture's side, 4 pixels short of a picture right or below.
    const struct { int32_t pos, left, top; } cases[] = {
        {0, 17 + (83 - tw) / 2, 1 + (24 - th) / 2}, {1, 1 + (79 - tw) / 2, 1 + (24 - th) / 2},
        {2, 1 + (99 - tw) / 2, 17 + (8 - th) / 2},  {3, 1 + (99 - tw) / 2, 1 + (4 - th) / 2},
        {4, 1 + (99 - tw) / 2, 1 + (24 - th) / 2},
    };
    ButtonState s = greyButton();
    s.Caption = L"Start";
    s.PictureNormal = halfIcon();
    s.Wi = 100, s.He = 25;
    for (const auto& c : cases) {
        s.PicturePosition = c.pos;
        calcPicSize(s);
        calcTextRects(canvas.dc.get(), s);
        const RECT want{c.left, c.top, c.left + tw, c.top + th};
        EXPECT_TRUE(EqualRect(&s.rcText, &want)) << c.pos;
    }
}

// The caption block (30, 6, 70, 19) on a 100 x 25 button, a 16 x 16 picture.
TEST(ButtonPictures, PlaceAgainstTheCaption) {
    const struct { int32_t pos; const wchar_t* caption; std::pair<int32_t, int32_t> at; } cases[] = {
        {0, L"x", {10, 4}}, {1, L"x", {74, 4}}, {2, L"x", {42, -12}}, {3, L"x", {42, 21}},
        {4, L"x", {42, 4}}, {0, L"", {42, 4}},  {1, L"  ", {42, 4}},   {7, L"x", {-5, -5}},
    };
    for (const auto& c : cases) {
        ButtonState s;
        s.Wi = 100, s.He = 25, s.rcText = {30, 6, 70, 19}, s.picW = s.picH = 16, s.picX = s.picY = -5;
        s.PicturePosition = c.pos;
        s.Caption = c.caption;
        s.PictureOver = halfIcon();
        calcPicPos(s);
        EXPECT_EQ(std::make_pair(s.picX, s.picY), c.at) << c.pos;
    }
}

// Across the middle of an "I" (1 pixel wide), from one column left of the
// plain caption to two right: rcTextDown is +1, effect copies one further.
TEST(ButtonCaption, StatesAndEffects) {
    const COLORREF text = 0x0000C0, over = 0x00C000, shadow = 0x808080, highlight = 0xEFEFEF;
    const struct { uint8_t state; int fx, type; bool hovered; Pixels want; } cases[] = {
        {0, 1, 1, 0, {0xE8E8E8, text, 0x989898, K}}, {1, 2, 1, 0, {0x989898, over, 0xE8E8E8, K}},
        {2, 3, 1, 0, {K, K, over, 0x989898}},       {2, 0, 4, 0, {K, K, 0xDFDFDF, K}},
        {0, 3, 3, 0, {K, text, 0xC8C8C8, K}},  // cFaceXP under types 3, 4, 14
        {0, 3, 9, 1, {K, text, 0xB0B0D7, K}},  // the pale hover face under type 9
        {3, 1, 1, 0, {K, shadow, highlight, K}},    {4, 1, 1, 0, {K, shadow, K, K}},
        {5, 0, 1, 0, {K, 0x6E8888, K, K}},          {6, 0, 1, 0, {K, 0xC0C0C0, highlight, K}},
        {7, 0, 1, 0, {K, highlight, 0x4E4E4E, K}},
    };
    auto draw = [](Canvas& canvas, uint8_t state, int fx = 0, int32_t type = 1, bool hovered = false) {
        ButtonState s = greyButton(type);
        s.Caption = L"&I", s.SpecialEffect = fx, s.isOver = hovered, s.selPaleColor = 0xD8D8FF;
        s.ColorScheme = hovered ? 1 : schemeCustom;
        calcTextRects(canvas.dc.get(), s);
        drawCaption(canvas.dc.get(), s, state);
        return s.lastTextState;
    };
    Canvas plain(60, 30);
    draw(plain, 4);
    int top = 0;
    while (top < 60 * 30 && plain.at(top % 60, top / 60) != shadow) ++top;
    const int x = top % 60, y = top / 60 + 4;
    for (const auto& c : cases) {
        Canvas canvas(60, 30);
        EXPECT_EQ(draw(canvas, c.state, c.fx, c.type, c.hovered), c.state);
        EXPECT_EQ((Pixels{canvas.at(x - 1, y), canvas.at(x, y), canvas.at(x + 1, y), canvas.at(x + 2, y)}), c.want)
            << int(c.state) << " " << c.fx << " " << c.type;
    }
    // The access key's underline, one row under the letter.
    EXPECT_EQ((Pixels{plain.at(x, y + 4), plain.at(x, y + 5), plain.at(x, y + 6)}), (Pixels{shadow, K, shadow}));
}

TEST(ButtonPictures, Compositing) {
    const PixelMode sil{.maskColor = kMask, .silColor = 0xAA, .darkOnly = true};
    const PixelMode grey{.maskColor = kMask, .greyscale = true}, fade{.maskColor = kMask, .fade = true};
    const struct { int32_t picture, background; PixelMode mode; int32_t want; } cases[] = {
        {0xFFFFFF, 0, grey, 0xFEFEFE},  // 76.5 rounds to 76, 254.5 to 254
        {0x0000FF, 0, grey, 0x4C4C4C}, {0x00FF00, 0, grey, 0x969696}, {0xFF0000, 0, grey, 0x1C1C1C},
        {0, 0xFFFFFF, fade, 0x555555}, {0x646464, 0xC8C8C8, fade, 0x858585},
        {0x808080, 1, sil, 0xAA}, {0x808081, 1, sil, 1},  // red + green + blue 384, and 385: too light
        {kMask, 1, grey, 1}, {kMask, 1, {.maskColor = kMask, .useMaskColor = false}, kMask},
    };
    for (const auto& c : cases) EXPECT_EQ(blendPixel(c.picture, c.background, c.mode), c.want) << std::hex << c.picture;
}

// Rows of 5 and 17 pixels (not a whole number of 4-byte words) line up as
// those of 16 do; an icon's transparent part takes the mask colour.
TEST(ButtonPictures, TransBltLinesUpPixels) {
    const Paint pixel = [](int x, int y) -> COLORREF { return x == 1 && y == 1 ? kMask : RGB(x * 10, y * 60, 99); };
    const Paint under = [](int x, int y) -> COLORREF { return RGB(x, y, 7); };
    for (int w : {5, 16, 17}) {
        Canvas canvas(24, 6, under);
        transBlt(canvas.dc.get(), 3, 2, w, 3, *picture(w, 3, pixel), {.maskColor = kMask});
        int wrong = 0;
        for (int i = 0; i < 24 * 6; ++i) {
            const int x = i % 24, y = i / 24;
            const bool inside = x >= 3 && x < 3 + w && y >= 2 && y < 5 && pixel(x - 3, y - 2) != kMask;
            wrong += canvas.at(x, y) != (inside ? pixel(x - 3, y - 2) : under(x, y));
        }
        EXPECT_EQ(wrong, 0) << w;
    }
    Canvas canvas(16, 16);
    transBlt(canvas.dc.get(), 0, 0, 16, 16, *halfIcon(), {.maskColor = kMask});
    EXPECT_EQ((Pixels{canvas.at(2, 8), canvas.at(12, 8)}), (Pixels{K, A}));
}

// A 4 x 4 picture N (one white pixel at its bottom left) at (10, 6), read at
// its top left, at (2, 2), one past its bottom right, one before its top
// left and at the white pixel: '.' the background, N and W its colours, O
// PictureOver's, f and w those two faded into the background, g grey, s the
// shadow 808080, h the highlight EFEFEF, d type 9's shadow 8D8D8D.
TEST(ButtonPictures, DrawnByTypeAndState) {
    constexpr COLORREF N = 0x2060A0, W = 0xFFFFFF, O = 0x00A000;
    const std::map<COLORREF, char> letter{{K, '.'},        {N, 'N'},        {W, 'W'},        {O, 'O'},
                                          {0x205080, 'f'}, {0xB4BABF, 'w'}, {0x6C6C6C, 'g'}, {0x808080, 's'},
                                          {0xEFEFEF, 'h'}, {0x8D8D8D, 'd'}};
    const rt::PictureRef normal = picture(4, 4, [=](int x, int y) { return x == 0 && y == 3 ? W : N; }),
                         over = picture(4, 4, [=](int, int) { return O; }),
                         smallOver = picture(2, 2, [=](int, int) { return O; });
    enum Over { none, same, small, only };
    const struct { int32_t type; uint8_t state; bool hovered; Over pictureOver; const char* want; } cases[] = {
        {1, picturesUp, 0, none, "NN..W"},       {1, picturesDown, 0, none, ".NN.."},  // pressed: (+1, +1)
        {5, picturesDown, 0, none, "NN..W"},     {9, picturesDown, 0, none, "NN..W"},
        {1, picturesUp, 1, same, "OO..O"},       {1, picturesDown, 0, same, ".OO.."},
        {5, picturesDown, 0, same, "OO..O"},     {1, picturesUp, 1, small, "O...."},  // only its own pixels
        {9, picturesUp, 1, same, "NNsN."},       {9, picturesDown, 0, same, "NN..W"},  // lifted over its shadow
        {9, picturesUp, 0, none, "ff..w"},       {1, picturesUp, 0, only, "....."},
        {3, picturesDisabled, 0, none, ".gg.."}, {5, picturesDisabled, 0, none, "ss..."},
        {6, picturesDisabled, 0, none, "ss..."}, {9, picturesDisabled, 0, none, "dd..."},
        {1, picturesDisabled, 0, none, "ssh.."},
    };
    for (const auto& c : cases) {
        Canvas canvas(24, 16);
        ButtonState s = greyButton(c.type);
        s.PictureNormal = c.pictureOver == only ? nullptr : normal;
        s.PictureOver = c.pictureOver == same || c.pictureOver == only ? over : c.pictureOver == small ? smallOver : nullptr;
        s.isOver = c.hovered, s.picX = 10, s.picY = 6, s.picW = s.picH = 4;
        drawPictures(canvas.dc.get(), s, c.state);
        std::string got;
        for (POINT p : {POINT{0, 0}, {2, 2}, {4, 4}, {-1, -1}, {0, 3}}) {
            const auto found = letter.find(canvas.at(10 + p.x, 6 + p.y));
            got += found == letter.end() ? '?' : found->second;
        }
        EXPECT_EQ(got, c.want) << c.type << " " << int(c.state) << " " << c.hovered << " " << c.pictureOver;
    }
    // Behind the caption, the caption is drawn again over the picture.
    Canvas canvas(60, 30);
    ButtonState s = greyButton();
    s.Caption = L"I", s.PicturePosition = 4, s.PictureNormal = picture(60, 30, [=](int, int) { return N; });
    calcPicSize(s);
    calcTextRects(canvas.dc.get(), s);
    drawCaption(canvas.dc.get(), s, captionUp);
    drawPictures(canvas.dc.get(), s, picturesUp);
    int text = 0;
    for (int i = 0; i < 60 * 30; ++i) text += canvas.at(i % 60, i / 60) == 0x0000C0;
    EXPECT_GT(text, 0);
}

// Every operation leaves the context holding what it held and frees what it made.
TEST(ButtonDrawing, TenThousandPaintsLeaveNothingBehind) {
    Canvas canvas(60, 30);
    HDC dc = canvas.dc.get();
    auto held = [dc] {
        return std::vector{GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                           GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_BITMAP)};
    };
    const auto before = held();
    ButtonState s = greyButton();
    s.Caption = L"&Start";
    const rt::PictureRef pictures[] = {halfIcon(), picture(16, 16, [](int x, int) { return x * 9; })};
    s.PictureNormal = pictures[0];
    calcPicSize(s);
    calcTextRects(dc, s);
    const long start = rt::gdiOwnedCount();
    for (int i = 0; i < 10000; ++i) {
        s.PictureNormal = pictures[i % 2];
        s.SpecialEffect = i % 4;
        kShapes[i % std::size(kShapes)].draw(dc, s);
        drawCaption(dc, s, static_cast<uint8_t>(i % 9));
        drawPictures(dc, s, static_cast<uint8_t>(i % 3));
    }
    EXPECT_EQ(rt::gdiOwnedCount(), start);
    EXPECT_EQ(held(), before);
}

// Captions in every state and effect, then pictures of types 1, 3, 5 (an
// icon), 6, 9 and greyscale at rest, hovered, pressed and disabled, without
// and with an effect.
TEST(ButtonDrawing, ContactSheet) {
    constexpr int cw = 104, ch = 30;
    Canvas sheet(8 * cw, 10 * ch, 0xFFFFFF);
    const rt::PictureRef disc = picture(16, 16, [](int x, int y) -> COLORREF {
        return (x - 8) * (x - 8) + (y - 8) * (y - 8) > 56 ? kMask : RGB(40 + x * 12, 90 + y * 8, 200 - x * 8);
    });
    const int types[] = {1, 3, 5, 6, 9, 1}, pictureStates[] = {picturesUp, picturesUp, picturesDown, picturesDisabled};
    const uint8_t captions[] = {captionUp, captionHover, captionDown, captionEngraved};
    for (int i = 0; i < 80; ++i) {
        const int col = i % 8, row = i / 8, look = col % 4;
        Canvas c(cw - 4, ch - 4);
        ButtonState s = greyButton(row < 4 ? 1 : types[row - 4]);
        s.Wi = cw - 4, s.He = ch - 4, s.Caption = L"&Start game", s.SpecialEffect = row < 4 ? row : col / 4 * 2;
        if (row >= 4) s.PictureNormal = row == 6 ? halfIcon() : disc;
        s.UseGreyscale = row == 9, s.isOver = row >= 4 && look == 1;
        calcPicSize(s);
        calcTextRects(c.dc.get(), s);
        drawRectangle(c.dc.get(), 0, 0, s.Wi, s.He, s.colors.cFace, false);
        drawCaption(c.dc.get(), s, row < 4 ? col : captions[look]);
        drawPictures(c.dc.get(), s, static_cast<uint8_t>(pictureStates[look]));
        BitBlt(sheet.dc.get(), col * cw + 2, row * ch + 2, s.Wi, s.He, c.dc.get(), 0, 0, SRCCOPY);
    }
    EXPECT_TRUE(sheet.saveArtefact(L"button-contact-sheet"));
}
