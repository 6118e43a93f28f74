#pragma once
// A w x h DIB section of 32-bit pixels in a memory DC of its own: drawn into
// with GDI and read or written directly, with no screen-compatible bitmap in
// between (several times as costly to select under Wine). Its format is the
// one such a bitmap has on a true-colour screen, so the pixels are the same.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "runtime/Handles.h"

namespace rt {

// A pixel (0x00RRGGBB) as a colour (&H00BBGGRR), and back.
constexpr int32_t colourOfPixel(uint32_t p) {
    return static_cast<int32_t>(((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu));
}
constexpr uint32_t pixelOfColour(int32_t c) { return static_cast<uint32_t>(colourOfPixel(static_cast<uint32_t>(c))); }

class DibCanvas {
public:
    // Rows from the bottom up. Throws std::bad_alloc when the system has no
    // room for the bitmap.
    DibCanvas(HDC like, int32_t w, int32_t h);
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return dc_.get(); }
    const BITMAPINFO& info() const { return info_; }
    // Read once the drawing into the DC is flushed (GdiFlush).
    uint32_t* pixels() { return pixels_; }
    const uint32_t* pixels() const { return pixels_; }
    size_t count() const { return static_cast<size_t>(info_.bmiHeader.biWidth) * info_.bmiHeader.biHeight; }

private:
    BITMAPINFO info_{};
    unique_hdc dc_;
    unique_hbitmap bitmap_;
    uint32_t* pixels_ = nullptr;
    std::optional<select_object> selected_;  // put back before the bitmap goes
};

}  // namespace rt
