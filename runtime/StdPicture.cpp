#include "runtime/StdPicture.h"

#include "runtime/ScaleUnits.h"

namespace rt {

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

int32_t StdPicture::Width() const { return MulDiv(size().cx, 2540, screenPixelsPerInch(LOGPIXELSX)); }

int32_t StdPicture::Height() const { return MulDiv(size().cy, 2540, screenPixelsPerInch(LOGPIXELSY)); }

}  // namespace rt
