#include "runtime/DibCanvas.h"

#include <new>

namespace rt {

DibCanvas::DibCanvas(HDC like, int32_t w, int32_t h) : dc_(CreateCompatibleDC(like)) {
    info_.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info_, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_ || !bitmap_ || !bits) throw std::bad_alloc();
    pixels_ = static_cast<uint32_t*>(bits);
    selected_.emplace(dc_.get(), bitmap_.get());
}

}  // namespace rt
