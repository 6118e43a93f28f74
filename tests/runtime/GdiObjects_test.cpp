// GDI objects: fonts as realised, the count the leak tests read, icons from
// resources (written here into a copy of this program), and the launcher's own
// pictures, which this program carries (it links the .rc).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/ControlHost.h"
#include "common/TestEnv.h"
#include "resources/ResourceIds.h"
#include "runtime/StdPicture.h"

// At 96 pixels to the inch, 8.25 points are a character height of 11 pixels
// (8 points too, rounded). A font changed, or replaced, in a control leaves
// no handle behind.
TEST(StdFont, RealisedHeightAndWeightAndReplacedWithoutLeaking) {
    ASSERT_EQ(GetDeviceCaps(rt::unique_hdc_window(nullptr).get(), LOGPIXELSY), 96);
    testenv::ControlHost host;
    rt::UserControl c;
    c.place(host.container(), L"c", {0, 0, 60, 20});
    auto selected = [&] {
        LOGFONTW lf{};
        GetObjectW(GetCurrentObject(c.hDC(), OBJ_FONT), sizeof lf, &lf);
        return std::make_pair(lf.lfHeight, lf.lfWeight);
    };
    const long owned = rt::gdiOwnedCount();
    const std::tuple<double, bool, LONG, LONG> rows[] = {
        {8.25, false, -11, 400}, {8.25, true, -11, 700}, {8, false, -11, 400}, {12, true, -16, 700}};
    for (const auto& [points, bold, height, weight] : rows) {
        c.Font()->setSize(points);
        c.Font()->setBold(bold);
        c.fontChanged();
        EXPECT_EQ(selected(), std::make_pair(height, weight)) << points << bold;
        c.setFont(std::make_shared<rt::StdFont>(L"Arial", points, bold));
        EXPECT_EQ(std::make_pair(selected(), rt::gdiOwnedCount().load()),
                  std::make_pair(std::make_pair(height, weight), owned))
            << points << bold;
    }
}

// An object still selected into a DC is not deleted: it stays counted.
TEST(GdiCount, AnObjectDeletedWhileSelectedStaysCounted) {
    rt::unique_hdc dc(CreateCompatibleDC(nullptr));
    const long before = rt::gdiOwnedCount();
    rt::unique_hbitmap bitmap(CreateCompatibleBitmap(dc.get(), 1, 1));
    HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
    bitmap.reset();
    EXPECT_EQ(rt::gdiOwnedCount() - before, 1);
    SelectObject(dc.get(), old);
}

namespace {

// One icon image as a resource holds it: header (twice the height: colour
// and mask), opaque colour rows, a mask that hides nothing.
std::string iconImage(int size, COLORREF colour) {
    BITMAPINFOHEADER h{sizeof h, size, size * 2, 1, 32, BI_RGB};
    std::string out(reinterpret_cast<const char*>(&h), sizeof h);
    RGBQUAD rgb{GetBValue(colour), GetGValue(colour), GetRValue(colour), 255};
    for (int i = 0; i < size * size; ++i) out.append(reinterpret_cast<const char*>(&rgb), sizeof rgb);
    return out + std::string((size + 31) / 32 * 4 * size, '\0');
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

TEST(StdPicture, IconImageChosenBySizeThenDepth) {
    testenv::TempDir dir(L"pictures");
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring copy = dir.file(L"pictures.exe");
    CopyFileW(self, copy.c_str(), FALSE);
    HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
    // The choice reads the depth the group names, so the images themselves
    // can all be true colour.
    const std::tuple<WORD, int, WORD, COLORREF> images[] = {
        {1, 16, 8, RGB(255, 0, 0)}, {2, 16, 32, RGB(0, 0, 255)}, {3, 32, 32, RGB(0, 255, 0)}};
    std::string group("\0\0\1\0\3\0", 6);
    for (const auto& [id, size, bits, colour] : images) {
        std::string bytes = iconImage(size, colour);
        UpdateResourceW(update, MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(id), 0, bytes.data(), bytes.size());
        GroupEntry e{BYTE(size), BYTE(size), 0, 0, 1, bits, DWORD(bytes.size()), id};
        group.append(reinterpret_cast<const char*>(&e), sizeof e);
    }
    UpdateResourceW(update, MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(7), 0, group.data(), group.size());
    EndUpdateResourceW(update, FALSE);
    HMODULE module = LoadLibraryExW(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    // Exact; the deepest below; none below: the shallowest above.
    const std::tuple<int, int, uint32_t> wanted[] = {{16, 32, 0x0000FF}, {16, 24, 0xFF0000}, {32, 8, 0x00FF00}};
    for (const auto& [size, bits, pixel] : wanted) {
        auto icon = rt::StdPicture::fromIconResource(7, size, bits, module);
        EXPECT_EQ(icon->iconOnField(0, 1, 1)[0] & 0xFFFFFF, pixel) << size << "x" << bits;
    }
    FreeLibrary(module);
}

TEST(Resources, WindowIconInThreeSizesAndTwoDepthsHandPointingWithItsFingertip) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    auto directory = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
    auto entries = reinterpret_cast<const GroupEntry*>(directory + 3);
    std::set<std::pair<int, int>> images;
    for (int i = 0; i < directory[2]; ++i) images.insert({entries[i].width, entries[i].bits});
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
    ICONINFO hand{};
    GetIconInfo(rt::StdPicture::fromCursorResource(IDC_HAND_POINTER)->icon(), &hand);
    rt::unique_hbitmap colour(hand.hbmColor), mask(hand.hbmMask);
    EXPECT_EQ(std::make_pair(hand.xHotspot, hand.yHotspot), std::make_pair(5UL, 0UL));
}
