#include "button/TransBlt.h"

#include <cstdint>
#include <new>
#include <optional>

#include "button/ButtonPrimitives.h"
#include "runtime/Handles.h"
#include "runtime/Variant.h"

namespace button {
namespace {

struct Channels {
    int32_t red, green, blue;
};

Channels channels(int32_t c) { return {c & 255, (c >> 8) & 255, (c >> 16) & 255}; }
int32_t colour(const Channels& c) { return c.red + c.green * 256 + c.blue * 65536; }

int32_t grey(const Channels& c) {
    double sum = rt::roundHalfEven(c.red * 0.3) + c.green * 0.59 + c.blue * 0.11;
    return static_cast<int32_t>(rt::roundHalfEven(sum));
}

int32_t fadeInto(const Channels& p, const Channels& b) {
    return colour({(2 * p.red + b.red) / 3, (2 * p.green + b.green) / 3, (2 * p.blue + b.blue) / 3});
}

// Bottom-up rows of 32-bit pixels (blue, green, red, unused) in a DIB section
// selected into a memory DC of its own: drawn into and read without going
// through a screen-compatible bitmap, which costs several times as much to
// select under Wine. The format is the one such a bitmap has on a true-colour
// screen, so the pixels come out the same.
class Canvas {
public:
    Canvas(HDC like, int32_t w, int32_t h) : dc_(CreateCompatibleDC(like)) {
        info_.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info_, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!dc_ || !bitmap_ || !bits) throw std::bad_alloc();
        bits_ = static_cast<uint8_t*>(bits);
        selected_.emplace(dc_.get(), bitmap_.get());
    }
    HDC dc() const { return dc_.get(); }
    const BITMAPINFO& info() const { return info_; }
    const void* bits() const { return bits_; }
    size_t pixels() const { return static_cast<size_t>(info_.bmiHeader.biWidth) * info_.bmiHeader.biHeight; }
    int32_t at(size_t i) const {
        const uint8_t* p = bits_ + 4 * i;
        return p[2] + p[1] * 256 + p[0] * 65536;
    }
    void put(size_t i, int32_t c) {
        uint8_t* p = bits_ + 4 * i;
        p[0] = static_cast<uint8_t>(c >> 16);
        p[1] = static_cast<uint8_t>(c >> 8);
        p[2] = static_cast<uint8_t>(c);
        p[3] = 0;
    }

private:
    BITMAPINFO info_{};
    rt::unique_hdc dc_;
    rt::unique_hbitmap bitmap_;
    uint8_t* bits_ = nullptr;
    std::optional<rt::select_object> selected_;  // put back before the bitmap goes
};

// Buffers over 256 MB are not attempted: a 32-bit process rarely has them
// to give, and beyond 4 GB their size would not even fit a size_t.
bool fits(int32_t w, int32_t h) { return 4 * static_cast<uint64_t>(w) * static_cast<uint64_t>(h) < (1ull << 28); }

// The picture's top-left w x h pixels; an icon stands on a field of the mask
// colour, so that its transparent parts take that colour.
void drawPicture(Canvas& into, int32_t w, int32_t h, const rt::StdPicture& pic, int32_t maskColor) {
    if (pic.type() == rt::StdPicture::Type::Bitmap) {
        rt::unique_hdc source(CreateCompatibleDC(into.dc()));
        rt::select_object in(source.get(), pic.bitmap());
        BitBlt(into.dc(), 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
        return;
    }
    drawRectangle(into.dc(), 0, 0, w, h, maskColor, false);
    DrawIconEx(into.dc(), 0, 0, pic.icon(), 0, 0, 0, nullptr, DI_NORMAL);
}

// The bits are read once the drawing into them is done.
void composite(const Canvas& picture, Canvas& background, const PixelMode& mode) {
    GdiFlush();
    for (size_t i = 0; i < picture.pixels(); ++i) background.put(i, blendPixel(picture.at(i), background.at(i), mode));
}

}  // namespace

int32_t blendPixel(int32_t picture, int32_t background, const PixelMode& mode) {
    if (mode.useMaskColor && picture == mode.maskColor) return background;
    const Channels p = channels(picture);
    if (mode.silColor >= 0) return mode.darkOnly && p.red + p.green + p.blue > 384 ? background : mode.silColor;
    if (mode.greyscale) return grey(p) * 0x010101;
    if (mode.fade) return fadeInto(p, channels(background));
    return picture;
}

void transBlt(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h, const rt::StdPicture& pic, const PixelMode& mode) {
    if (w <= 0 || h <= 0 || !fits(w, h)) return;
    try {
        Canvas background(hDC, w, h), picture(hDC, w, h);
        BitBlt(background.dc(), 0, 0, w, h, hDC, x, y, SRCCOPY);
        drawPicture(picture, w, h, pic, mode.maskColor);
        composite(picture, background, mode);
        SetDIBitsToDevice(hDC, x, y, w, h, 0, 0, 0, h, background.bits(), &background.info(), DIB_RGB_COLORS);
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left is not drawn.
    }
}

}  // namespace button
