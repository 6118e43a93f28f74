#include <gtest/gtest.h>

#include "button/AccessKey.h"
#include "button/ButtonRegion.h"

using namespace button;

TEST(AccessKey, CharacterAfterTheAmpersand) {
    const struct { const wchar_t *caption, *key; } cases[] = {
        {L"&Start game...", L"s"},
        {L"Fish && &Chips", L"c"},
        {L"Save && Exit", L""},
        {L"ab&", L""},
        {L"&\u00C4", L"\u00E4"},
        {L"&&&x", L"x"},
        {L"A&&B&&C&D", L""},
        {L"&", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(accessKeyOf(c.caption), c.key) << c.caption;
}

TEST(ButtonRegion, PixelsCutByType) {
    const int wi = 20, he = 10;
    const struct { int32_t type; int cut; } cases[] = {{1, 4}, {14, 4}, {5, 2}, {3, 12}, {4, 12}, {2, 0}, {15, 0}};
    for (const auto& c : cases) {
        rt::unique_hrgn r = makeRegion(c.type, wi, he);
        int inside = 0;
        for (int y = 0; y < he; ++y)
            for (int x = 0; x < wi; ++x) inside += PtInRegion(r.get(), x, y) ? 1 : 0;
        EXPECT_EQ(inside, wi * he - c.cut) << c.type;
    }
    rt::unique_hrgn five = makeRegion(5, wi, he), oval = makeRegion(13, 30, 30);
    EXPECT_FALSE(PtInRegion(five.get(), 0, he - 1) || PtInRegion(five.get(), wi - 1, 0));
    EXPECT_FALSE(PtInRegion(oval.get(), 0, 0) || PtInRegion(oval.get(), 29, 29));  // an ellipse even when square
    EXPECT_TRUE(PtInRegion(oval.get(), 15, 1));
}

TEST(ButtonRegion, FocusRectangleInsetByType) {
    const struct { int32_t type; RECT focus; } cases[] = {
        {6, {4, 4, 96, 26}},
        {7, {3, 3, 97, 27}},
        {13, {3, 3, 97, 27}},
        {14, {6, 6, 96, 26}},
        {15, {4, 4, 96, 26}},
    };
    for (const auto& c : cases) {
        RECT r = focusRect(c.type, {0, 0, 100, 30});
        EXPECT_TRUE(EqualRect(&r, &c.focus)) << c.type;
    }
}
