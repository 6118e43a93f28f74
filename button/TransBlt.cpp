#include "button/TransBlt.h"

#include <cstdint>
#include <new>
#include <vector>

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

// Bottom-up 24-bit rows, each padded to a multiple of 4 bytes.
struct Dib {
    Dib(int32_t w, int32_t h) : stride((3 * static_cast<size_t>(w) + 3) & ~size_t(3)), bits(stride * h) {
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    }
    int32_t at(size_t i) const { return bits[i + 2] + bits[i + 1] * 256 + bits[i] * 65536; }
    void put(size_t i, int32_t c) {
        bits[i] = static_cast<uint8_t>(c >> 16);
        bits[i + 1] = static_cast<uint8_t>(c >> 8);
        bits[i + 2] = static_cast<uint8_t>(c);
    }
    size_t stride;
    std::vector<uint8_t> bits;
    BITMAPINFO info{};
};

// Buffers over 256 MB are not attempted: a 32-bit process rarely has them
// to give, and beyond 4 GB their size would not even fit a size_t.
bool fits(int32_t w, int32_t h) { return (3 * static_cast<uint64_t>(w) + 3) * static_cast<uint64_t>(h) < (1ull << 28); }

// The w x h pixels of `from` at (x, y), through a bitmap compatible with the surface.
void copyPixels(HDC surface, HDC from, int32_t x, int32_t y, Dib& into) {
    const LONG w = into.info.bmiHeader.biWidth, h = into.info.bmiHeader.biHeight;
    rt::unique_hdc dc(CreateCompatibleDC(from));
    rt::unique_hbitmap bitmap(CreateCompatibleBitmap(surface, w, h));
    {
        rt::select_object in(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, w, h, from, x, y, SRCCOPY);
    }
    GetDIBits(dc.get(), bitmap.get(), 0, h, into.bits.data(), &into.info, DIB_RGB_COLORS);
}

// An icon drawn on a w x h field of the mask colour, so that its transparent
// parts take that colour.
rt::unique_hbitmap iconOnMask(HDC surface, HDC dc, HICON icon, int32_t w, int32_t h, int32_t maskColor) {
    rt::unique_hbitmap bitmap(CreateCompatibleBitmap(surface, w, h));
    rt::select_object in(dc, bitmap.get());
    drawRectangle(dc, 0, 0, w, h, maskColor, false);
    DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    return bitmap;
}

void composite(const Dib& picture, Dib& background, int32_t w, int32_t h, const PixelMode& mode) {
    for (int32_t r = 0; r < h; ++r) {
        for (int32_t x = 0; x < w; ++x) {
            const size_t i = r * picture.stride + 3 * static_cast<size_t>(x);
            background.put(i, blendPixel(picture.at(i), background.at(i), mode));
        }
    }
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
        Dib background(w, h), picture(w, h);
        rt::unique_hdc source(CreateCompatibleDC(hDC));
        rt::unique_hbitmap iconBitmap;
        if (pic.type() != rt::StdPicture::Type::Bitmap)
            iconBitmap = iconOnMask(hDC, source.get(), pic.icon(), w, h, mode.maskColor);
        rt::select_object in(source.get(), iconBitmap ? iconBitmap.get() : pic.bitmap());
        copyPixels(hDC, hDC, x, y, background);
        copyPixels(hDC, source.get(), 0, 0, picture);
        composite(picture, background, w, h, mode);
        SetDIBitsToDevice(hDC, x, y, w, h, 0, 0, 0, h, background.bits.data(), &background.info, DIB_RGB_COLORS);
    } catch (const std::bad_alloc&) {
        // A picture too large for the memory left is not drawn.
    }
}

}  // namespace button
