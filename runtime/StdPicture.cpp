#include "runtime/StdPicture.h"

#include <algorithm>
#include <string>
#include <utility>

#include "runtime/App.h"
#include "runtime/DibCanvas.h"
#include "runtime/RuntimeError.h"
#include "runtime/ScaleUnits.h"

namespace rt {
namespace {

// An icon group resource: a header and one entry per image.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

[[noreturn]] void resourceNotFound(int id) {
    throw RuntimeError(errResourceNotFound, App::exeName(),
                       L"Resource with identifier '" + std::to_wstring(id) + L"' not found");
}

HMODULE orProgram(HMODULE module) { return module ? module : App::hInstance(); }

// The resource's bytes and size; none when it is missing.
std::pair<BYTE*, DWORD> resourceBytes(HMODULE module, const wchar_t* id, const wchar_t* type) {
    HRSRC res = FindResourceW(module, id, type);
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    auto* bytes = data ? static_cast<BYTE*>(LockResource(data)) : nullptr;
    return {bytes, bytes ? SizeofResource(module, res) : 0};
}

int bitsOf(const GroupIconEntry& e) {
    if (e.bitCount) return e.bitCount;
    return e.colorCount == 2 ? 1 : e.colorCount == 16 ? 4 : 8;
}

// Asked of the screen once: a screen device context costs each icon loaded
// at start more than the loading itself.
int screenBits() {
    static const int bits = [] {
        unique_hdc_window screen(nullptr);
        return GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES);
    }();
    return bits;
}

// The image of the wanted size with the wanted depth, else the deepest one
// below it, else the shallowest one above; 0 when none has that size.
WORD pickIconImage(const GroupIconHeader& group, DWORD groupBytes, int size, int bits) {
    const GroupIconEntry* best = nullptr;
    size_t count = std::min<size_t>(group.count, (groupBytes - 6) / sizeof(GroupIconEntry));
    for (size_t i = 0; i < count; ++i) {
        const GroupIconEntry& e = group.entries[i];
        if ((e.width ? e.width : 256) != size || (e.height ? e.height : 256) != size) continue;
        int have = bitsOf(e), had = best ? bitsOf(*best) : 0;
        bool better = !best || (have <= bits ? (had > bits || have > had) : (had > bits && have < had));
        if (better) best = &e;
    }
    return best ? best->id : 0;
}

}  // namespace

std::shared_ptr<StdPicture> StdPicture::fromBitmap(HBITMAP bitmap) {
    std::shared_ptr<StdPicture> p(new StdPicture(Type::Bitmap));
    p->bitmap_.reset(bitmap);
    return p;
}

std::shared_ptr<StdPicture> StdPicture::fromIcon(HICON icon, bool owned) {
    std::shared_ptr<StdPicture> p(new StdPicture(Type::Icon));
    p->icon_ = icon;
    p->ownsIcon_ = owned;
    return p;
}

std::shared_ptr<StdPicture> StdPicture::fromCursor(HCURSOR cursor, bool owned) {
    std::shared_ptr<StdPicture> p(new StdPicture(Type::Cursor));
    p->icon_ = cursor;
    p->ownsIcon_ = owned;
    return p;
}

StdPicture::~StdPicture() {
    if (!icon_ || !ownsIcon_) return;
    if (type_ == Type::Cursor)
        DestroyCursor(icon_);
    else
        DestroyIcon(icon_);
}

SIZE StdPicture::size() const {
    if (!size_) size_ = handleSize();
    return *size_;
}

SIZE StdPicture::handleSize() const {
    if (bitmap_) {
        BITMAP bm{};
        GetObjectW(bitmap_.get(), sizeof bm, &bm);
        return {bm.bmWidth, bm.bmHeight};
    }
    ICONINFO info{};
    if (!icon_ || !GetIconInfo(icon_, &info)) return {0, 0};
    // GetIconInfo hands out copies of the masks: they are ours to delete.
    unique_hbitmap mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof bm, &bm);
    return {bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2};
}

const std::vector<uint32_t>& StdPicture::iconOnField(int32_t field, int w, int h) const {
    if (drawing_ && drawing_->field == field && drawing_->w == w && drawing_->h == h) return drawing_->pixels;
    DibCanvas canvas(nullptr, w, h);
    unique_hbrush brush(CreateSolidBrush(static_cast<COLORREF>(field)));
    RECT all{0, 0, w, h};
    FillRect(canvas.dc(), &all, brush.get());
    DrawIconEx(canvas.dc(), 0, 0, icon(), 0, 0, 0, nullptr, DI_NORMAL);
    GdiFlush();
    drawing_ = IconDrawing{field, w, h, {canvas.pixels(), canvas.pixels() + canvas.count()}};
    return drawing_->pixels;
}

int32_t StdPicture::Width() const { return MulDiv(size().cx, 2540, screenPixelsPerInch(LOGPIXELSX)); }

int32_t StdPicture::Height() const { return MulDiv(size().cy, 2540, screenPixelsPerInch(LOGPIXELSY)); }

std::shared_ptr<StdPicture> StdPicture::fromIconResource(int id, int size, int bitsPerPixel, HMODULE module) {
    module = orProgram(module);
    auto [group, groupBytes] = resourceBytes(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    if (!group || groupBytes < 6) resourceNotFound(id);
    auto* header = reinterpret_cast<GroupIconHeader*>(group);
    WORD image = pickIconImage(*header, groupBytes, size, bitsPerPixel ? bitsPerPixel : screenBits());
    if (!image) image = static_cast<WORD>(LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR));
    auto [bits, bytes] = resourceBytes(module, MAKEINTRESOURCEW(image), MAKEINTRESOURCEW(3) /* RT_ICON */);
    HICON icon = bits ? CreateIconFromResourceEx(bits, bytes, TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR) : nullptr;
    if (!icon) resourceNotFound(id);
    auto picture = fromIcon(icon);
    picture->size_ = SIZE{size, size};  // made at that size
    return picture;
}

std::shared_ptr<StdPicture> StdPicture::fromBitmapResource(int id, HMODULE module) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(orProgram(module), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) resourceNotFound(id);
    return fromBitmap(bitmap);
}

std::shared_ptr<StdPicture> StdPicture::fromCursorResource(int id, HMODULE module) {
    auto cursor =
        static_cast<HCURSOR>(LoadImageW(orProgram(module), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    if (!cursor) resourceNotFound(id);
    return fromCursor(cursor);
}

}  // namespace rt
