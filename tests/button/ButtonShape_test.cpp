#include <gtest/gtest.h>

#include "button/AccessKey.h"
#include "button/ButtonRegion.h"

using namespace button;

namespace {

int pixelsIn(HRGN region, int wi, int he) {
    int n = 0;
    for (int y = 0; y < he; ++y)
        for (int x = 0; x < wi; ++x) n += PtInRegion(region, x, y) ? 1 : 0;
    return n;
}

}  // namespace

TEST(AccessKey, CharacterAfterTheAmpersand) {
    const struct { const wchar_t *caption, *key; } cases[] = {
        {L"&Start game...", L"s"}, {L"Get &Hamachi ip", L"h"}, {L"&Cancel", L"c"},
        {L"Fish && &Chips", L"c"}, {L"&&&x", L"x"},            {L"Save && Exit", L""},
        {L"A&&B&&C&D", L""},       {L"ab&", L""},              {L"&", L""},
        {L"&\u00C4", L"\u00E4"},   {L"", L""},                 {L"No key", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(accessKeyOf(c.caption), c.key) << c.caption;
}

TEST(ButtonRegion, PixelsCutByType) {
    const int wi = 20, he = 10, all = wi * he;
    const struct { int32_t type; int cut; } cases[] = {
        {1, 4}, {14, 4}, {5, 2}, {3, 12}, {4, 12}, {2, 0}, {6, 0}, {12, 0}, {0, 0}, {15, 0},
    };
    for (const auto& c : cases) {
        rt::unique_hrgn r = makeRegion(c.type, wi, he);
        EXPECT_EQ(pixelsIn(r.get(), wi, he), all - c.cut) << c.type;
    }
    rt::unique_hrgn five = makeRegion(5, wi, he);
    EXPECT_FALSE(PtInRegion(five.get(), 0, he - 1));
    EXPECT_FALSE(PtInRegion(five.get(), wi - 1, 0));
    EXPECT_TRUE(PtInRegion(five.get(), 0, 0));
}

TEST(ButtonRegion, OvalEvenWhenSquare) {
    rt::unique_hrgn oval = makeRegion(13, 30, 30);
    EXPECT_FALSE(PtInRegion(oval.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(oval.get(), 29, 29));
    EXPECT_TRUE(PtInRegion(oval.get(), 15, 15));
    EXPECT_TRUE(PtInRegion(oval.get(), 15, 1));
}

TEST(ButtonRegion, NoRegionLeftBehind) {
    long before = rt::gdiOwnedCount();
    for (int32_t type = 0; type <= 15; ++type) makeRegion(type, 40, 20);
    EXPECT_EQ(rt::gdiOwnedCount(), before);
}

TEST(ButtonRegion, FocusRectangleInsetByType) {
    const RECT client{0, 0, 100, 30};
    const struct { int32_t type; RECT focus; } cases[] = {
        {1, {4, 4, 96, 26}},  {6, {4, 4, 96, 26}},  {7, {3, 3, 97, 27}},  {13, {3, 3, 97, 27}},
        {14, {6, 6, 96, 26}}, {15, {4, 4, 96, 26}}, {0, {4, 4, 96, 26}},  {9, {3, 3, 97, 27}},
    };
    for (const auto& c : cases) {
        RECT r = focusRect(c.type, client);
        EXPECT_TRUE(EqualRect(&r, &c.focus)) << c.type << ": " << r.left << "," << r.top << "," << r.right << ","
                                             << r.bottom;
    }
}
