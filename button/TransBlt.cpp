#include "button/TransBlt.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "runtime/DibCanvas.h"
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

// Buffers over 256 MB are not attempted: a 32-bit process rarely has them
// to give, and beyond 4 GB their size would not even fit a size_t.
bool fits(int32_t w, int32_t h) { return 4 * static_cast<uint64_t>(w) * static_cast<uint64_t>(h) < (1ull << 28); }

// A bitmap's top-left w x h pixels.
void copyBitmap(rt::DibCanvas& into, HBITMAP bitmap, int32_t w, int32_t h) {
    rt::unique_hdc source(CreateCompatibleDC(into.dc()));
    rt::select_object in(source.get(), bitmap);
    BitBlt(into.dc(), 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
}

// The bits are read once the drawing into them is done.
void composite(const uint32_t* picture, rt::DibCanvas& background, const PixelMode& mode) {
    GdiFlush();
    uint32_t* under = background.pixels();
    for (size_t i = 0; i < background.count(); ++i)
        under[i] = rt::pixelOfColour(blendPixel(rt::colourOfPixel(picture[i]), rt::colourOfPixel(under[i]), mode));
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
    // A bitmap smaller than the area has no pixels beyond its edge: the background stays there.
    if (pic.type() == rt::StdPicture::Type::Bitmap) {
        const SIZE own = pic.size();
        w = std::min<int32_t>(w, own.cx);
        h = std::min<int32_t>(h, own.cy);
    }
    if (w <= 0 || h <= 0 || !fits(w, h)) return;
    try {
        rt::DibCanvas background(hDC, w, h);
        BitBlt(background.dc(), 0, 0, w, h, hDC, x, y, SRCCOPY);
        if (pic.type() == rt::StdPicture::Type::Bitmap) {
            rt::DibCanvas picture(hDC, w, h);
            copyBitmap(picture, pic.bitmap(), w, h);
            composite(picture.pixels(), background, mode);
        } else {
            composite(pic.iconOnField(mode.maskColor, w, h).data(), background, mode);
        }
        SetDIBitsToDevice(hDC, x, y, w, h, 0, 0, 0, h, background.pixels(), &background.info(), DIB_RGB_COLORS);
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left is not drawn.
    }
}

}  // namespace button
