// The pictures this test program carries: it links the launcher's .rc.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "resources/ResourceIds.h"
#include "runtime/Handles.h"

namespace {

HINSTANCE self() { return GetModuleHandleW(nullptr); }

struct IconFacts {
    LONG width, height;
    DWORD hotX, hotY;
};

IconFacts factsOf(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    rt::unique_hbitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    GetObjectW(colour ? colour.get() : mask.get(), sizeof bm, &bm);
    // A two-colour image keeps both planes, one above the other, in its mask.
    return {bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2, info.xHotspot, info.yHotspot};
}

rt::unique_hicon load(int id, UINT type, int side = 0) {
    return rt::unique_hicon(static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(id), type, side, side, 0)));
}

DIBSECTION bitmapFacts(int id) {
    rt::unique_hbitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(self(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    DIBSECTION dib{};
    GetObjectW(bitmap.get(), sizeof dib, &dib);
    return dib;
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST(Resources, WindowIconHas16_32And48PixelImagesIn8And32Bit) {
    HRSRC found = FindResourceW(self(), MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    auto directory = static_cast<const WORD*>(LockResource(LoadResource(self(), found)));
    auto entries = reinterpret_cast<const GroupEntry*>(directory + 3);
    std::set<std::pair<int, int>> images;
    for (int i = 0; i < directory[2]; ++i) images.insert({entries[i].width, entries[i].bits});
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
    for (LONG side : {16, 32, 48}) {
        IconFacts icon = factsOf(load(IDI_APP, IMAGE_ICON, side).get());
        EXPECT_EQ(std::make_pair(icon.width, icon.height), std::make_pair(side, side)) << side;
    }
}

TEST(Resources, ButtonAndStatusIconsAre16Pixels) {
    for (int id : {IDI_REFRESH, IDI_PLAY, IDI_CROSS, IDI_TICK, IDI_ALERT}) {
        IconFacts icon = factsOf(load(id, IMAGE_ICON).get());
        EXPECT_EQ(std::make_pair(icon.width, icon.height), std::make_pair(16L, 16L)) << id;
    }
}

TEST(Resources, BackgroundAndDonationPictureSizes) {
    DIBSECTION background = bitmapFacts(IDB_BACKGROUND), donate = bitmapFacts(IDB_DONATE);
    EXPECT_EQ(background.dsBm.bmWidth, 613);
    EXPECT_EQ(background.dsBm.bmHeight, 490);
    EXPECT_EQ(background.dsBmih.biBitCount, 24);
    EXPECT_EQ(donate.dsBm.bmWidth, 62);
    EXPECT_EQ(donate.dsBm.bmHeight, 31);
}

TEST(Resources, HandPointerHotSpotIsTheFingertip) {
    IconFacts hand = factsOf(load(IDC_HAND_POINTER, IMAGE_CURSOR).get());
    EXPECT_EQ(std::make_pair(hand.hotX, hand.hotY), std::make_pair(DWORD{5}, DWORD{0}));
}
