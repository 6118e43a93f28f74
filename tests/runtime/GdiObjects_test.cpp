// Fonts and pictures: sizes, handles that are replaced without leaking, icons
// from resources (written here into a copy of this program), and the
// launcher's own pictures, which this program carries (it links the .rc).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "common/TestEnv.h"
#include "resources/ResourceIds.h"
#include "runtime/DibCanvas.h"
#include "runtime/StdFont.h"
#include "runtime/StdPicture.h"

using testenv::raisedError;

TEST(StdFont, RealisesItsPointSizeAndReplacesItsHandleWithoutLeaking) {
    rt::StdFont font(L"Arial", 8.25);
    LOGFONTW lf{}, bold{};
    GetObjectW(font.handle(), sizeof lf, &lf);
    long owned = rt::gdiOwnedCount();
    font.setBold(true);
    GetObjectW(font.handle(), sizeof bold, &bold);
    EXPECT_EQ(std::make_tuple(lf.lfHeight, bold.lfWeight, rt::gdiOwnedCount().load()),
              std::make_tuple(-11L, 700L, owned));
}

namespace {

// One icon image as a resource holds it: header (twice the height: colour
// and mask), palette, colour rows, mask rows (rows bottom up). The top left
// pixel is masked out (and black, and with no alpha).
std::string iconImage(int size, WORD bits, COLORREF colour) {
    BITMAPINFOHEADER h{sizeof h, size, size * 2, 1, bits, BI_RGB};
    std::string out(reinterpret_cast<const char*>(&h), sizeof h);
    RGBQUAD rgb{GetBValue(colour), GetGValue(colour), GetRValue(colour), 255};
    std::string colourBytes(reinterpret_cast<const char*>(&rgb), sizeof rgb);
    if (bits == 8) out += std::string(sizeof rgb, '\0') + colourBytes + std::string(254 * sizeof rgb, '\0');
    const std::string pixel = bits == 8 ? std::string(1, '\1') : colourBytes;
    for (int i = 0; i < size * size; ++i) out += pixel;
    std::fill_n(out.end() - size * pixel.size(), pixel.size(), '\0');
    int maskRow = (size + 31) / 32 * 4;
    out += std::string(maskRow * (size - 1), '\0') + '\x80' + std::string(maskRow - 1, '\0');
    return out;
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

struct ResourceModule {
    testenv::TempDir dir{L"pictures"};
    HMODULE module = nullptr;
    ResourceModule() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring copy = dir.file(L"pictures.exe");
        CopyFileW(self, copy.c_str(), FALSE);
        HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
        const std::tuple<WORD, int, WORD, COLORREF> images[] = {
            {1, 16, 8, RGB(255, 0, 0)}, {2, 16, 32, RGB(0, 0, 255)}, {3, 32, 32, RGB(0, 255, 0)}};
        std::string group("\0\0\1\0\3\0", 6);
        for (const auto& [id, size, bits, colour] : images) {
            std::string bytes = iconImage(size, bits, colour);
            UpdateResourceW(update, MAKEINTRESOURCEW(3), MAKEINTRESOURCEW(id), 0, bytes.data(), bytes.size());
            GroupEntry e{BYTE(size), BYTE(size), 0, 0, 1, bits, DWORD(bytes.size()), id};
            group.append(reinterpret_cast<const char*>(&e), sizeof e);
        }
        UpdateResourceW(update, MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(7), 0, group.data(), group.size());
        EndUpdateResourceW(update, FALSE);
        module = LoadLibraryExW(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~ResourceModule() { FreeLibrary(module); }
};

// The icon drawn on white: its top left pixel and its middle.
std::pair<COLORREF, COLORREF> drawn(const rt::StdPicture& icon) {
    rt::DibCanvas canvas(nullptr, 64, 64);
    PatBlt(canvas.dc(), 0, 0, 64, 64, WHITENESS);
    SIZE s = icon.size();
    DrawIconEx(canvas.dc(), 0, 0, icon.icon(), s.cx, s.cy, 0, nullptr, DI_NORMAL);
    return {GetPixel(canvas.dc(), 0, 0), GetPixel(canvas.dc(), s.cx / 2, s.cy / 2)};
}

}  // namespace

TEST(StdPicture, IconsFromResourcesBySizeAndDepthWithTheirMasks) {
    ResourceModule res;
    ASSERT_NE(res.module, nullptr);
    // Exact; the deepest below; none below: the shallowest above; the only one of that size; none of
    // that size: the nearest, scaled. The masked corner shows the white under it.
    const std::tuple<int, int, COLORREF> icons[] = {{16, 8, RGB(255, 0, 0)},  {16, 32, RGB(0, 0, 255)},
                                                    {16, 24, RGB(255, 0, 0)}, {16, 4, RGB(255, 0, 0)},
                                                    {32, 8, RGB(0, 255, 0)},  {48, 32, RGB(0, 255, 0)}};
    for (const auto& [size, bits, middle] : icons) {
        auto icon = rt::StdPicture::fromIconResource(7, size, bits, res.module);
        EXPECT_EQ(std::make_tuple(icon->size().cx, drawn(*icon)),
                  std::make_tuple(LONG(size), std::make_pair(RGB(255, 255, 255), middle)))
            << size << "x" << bits;
    }
    EXPECT_EQ(raisedError([] { rt::StdPicture::fromIconResource(999, 16); }), rt::errResourceNotFound);
}

namespace {

// Width and height of a loaded picture; then a cursor's hot spot, a bitmap's bits per pixel.
std::vector<long> factsOf(int id, UINT type, int side = 0) {
    HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), type, side, side,
                               type == IMAGE_BITMAP ? LR_CREATEDIBSECTION : 0);
    if (type == IMAGE_BITMAP) {
        rt::unique_hbitmap bitmap(static_cast<HBITMAP>(loaded));
        DIBSECTION dib{};
        GetObjectW(bitmap.get(), sizeof dib, &dib);
        return {dib.dsBm.bmWidth, dib.dsBm.bmHeight, dib.dsBmih.biBitCount};
    }
    rt::unique_hicon icon(static_cast<HICON>(loaded));
    ICONINFO info{};
    if (!GetIconInfo(icon.get(), &info)) return {};
    rt::unique_hbitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    GetObjectW(colour ? colour.get() : mask.get(), sizeof bm, &bm);
    // A two-colour image keeps both planes, one above the other, in its mask.
    std::vector<long> facts{bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2};
    if (type == IMAGE_CURSOR) facts.insert(facts.end(), {long(info.xHotspot), long(info.yHotspot)});
    return facts;
}

}  // namespace

TEST(Resources, WindowIconInThreeSizesAndTwoDepthsOtherPicturesAtTheirSizes) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    auto directory = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
    auto entries = reinterpret_cast<const GroupEntry*>(directory + 3);
    std::set<std::pair<int, int>> images;
    for (int i = 0; i < directory[2]; ++i) images.insert({entries[i].width, entries[i].bits});
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
    // The hand's hot spot is its fingertip.
    const std::tuple<int, UINT, int, std::vector<long>> pictures[] = {
        {IDI_APP, IMAGE_ICON, 16, {16, 16}},    {IDI_APP, IMAGE_ICON, 32, {32, 32}},
        {IDI_APP, IMAGE_ICON, 48, {48, 48}},    {IDI_REFRESH, IMAGE_ICON, 0, {16, 16}},
        {IDI_PLAY, IMAGE_ICON, 0, {16, 16}},    {IDI_CROSS, IMAGE_ICON, 0, {16, 16}},
        {IDI_TICK, IMAGE_ICON, 0, {16, 16}},    {IDI_ALERT, IMAGE_ICON, 0, {16, 16}},
        {IDB_BACKGROUND, IMAGE_BITMAP, 0, {613, 490, 24}}, {IDB_DONATE, IMAGE_BITMAP, 0, {62, 31, 24}},
        {IDC_HAND_POINTER, IMAGE_CURSOR, 0, {32, 32, 5, 0}},
    };
    for (const auto& [id, type, side, facts] : pictures) EXPECT_EQ(factsOf(id, type, side), facts) << id;
}
