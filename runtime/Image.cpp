#include "runtime/Image.h"

#include "runtime/Handles.h"
#include "runtime/ScaleUnits.h"
#include "runtime/UserControl.h"

namespace rt {

void drawPicture(HDC dc, const StdPicture& picture, int x, int y) {
    SIZE size = picture.size();
    if (picture.bitmap()) {
        unique_hdc source(CreateCompatibleDC(dc));
        select_object bitmap(source.get(), picture.bitmap());
        BitBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    } else if (picture.icon()) {
        DrawIconEx(dc, x, y, picture.icon(), size.cx, size.cy, 0, nullptr, DI_NORMAL);
    }
}

Image::Image(Form& form, const ControlLayout& row)
    : Control(form, row), picture_(row.picture), mousePointer_(row.mousePointer), mouseIcon_(row.mouseIcon) {
    fitPicture();
}

// As the platform's image does; without a picture the size stays.
void Image::fitPicture() {
    if (!picture_) return;
    SIZE size = picture_->size();
    resize(pixelsToWholeTwipsX(size.cx), pixelsToWholeTwipsY(size.cy));
}

RECT Image::paintArea() const {
    RECT r = pixelRect();
    if (!picture_) return r;
    SIZE size = picture_->size();
    RECT pic{r.left, r.top, r.left + size.cx, r.top + size.cy};
    UnionRect(&r, &r, &pic);
    return r;
}

void Image::Picture(PictureRef picture) {
    invalidate();
    picture_ = std::move(picture);
    fitPicture();
    invalidate();
}

void Image::paint(HDC dc) const {
    RECT r = pixelRect();
    if (picture_) drawPicture(dc, *picture_, r.left, r.top);
}

bool Image::hitTest(POINT client) const {
    RECT r = pixelRect();
    return Visible() && PtInRect(&r, client);
}

HCURSOR Image::cursor() const { return mousePointer_ == vbCustom && mouseIcon_ ? mouseIcon_->icon() : nullptr; }

}  // namespace rt
