#pragma once
// A memory device context drawing into a w x h DIB whose pixels a test reads
// back, with an unsmoothed Arial caption font and a transparent text
// background, as the button's surface has.
#include <windows.h>

#include <functional>
#include <string>

#include "common/TestEnv.h"
#include "runtime/Handles.h"

using Paint = std::function<COLORREF(int, int)>;

// DIB pixels hold red and blue the other way round from colour values.
inline uint32_t swapRedBlue(uint32_t c) { return RGB(GetBValue(c), GetGValue(c), GetRValue(c)); }

inline HBITMAP dib(int w, int h, uint32_t** bits, const Paint& colour) {
    BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
    for (int i = 0; i < w * h; ++i) (*bits)[i] = swapRedBlue(colour(i % w, i / w));
    return bitmap;
}

struct Canvas {
    int w, h;
    uint32_t* bits = nullptr;
    rt::unique_hdc dc{CreateCompatibleDC(nullptr)};
    rt::unique_hbitmap bitmap;
    rt::unique_hfont font;
    rt::select_object bitmapIn, fontIn;
    Canvas(int w, int h, const Paint& paint, int fontHeight = -13)
        : w(w),
          h(h),
          bitmap(dib(w, h, &bits, paint)),
          font(CreateFontW(fontHeight, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, L"Arial")),
          bitmapIn(dc.get(), bitmap.get()),
          fontIn(dc.get(), font.get()) {
        SetBkMode(dc.get(), TRANSPARENT);
    }
    Canvas(int w, int h, COLORREF back = 0x203040) : Canvas(w, h, [=](int, int) { return back; }) {}
    COLORREF at(int x, int y) const { return GdiFlush(), swapRedBlue(bits[y * w + x]); }

    // Saves the pixels as build/artefacts/<name>.bmp; the test run converts it to PNG.
    bool saveArtefact(const std::wstring& name) const {
        const BITMAPINFOHEADER info{sizeof info, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const DWORD size = 4 * w * h, offset = sizeof(BITMAPFILEHEADER) + sizeof info;
        const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};
        auto bytes = [](const void* p, size_t n) { return GdiFlush(), std::string(static_cast<const char*>(p), n); };
        const std::wstring dir = testenv::buildDir() + L"\\artefacts";
        CreateDirectoryW(dir.c_str(), nullptr);
        return testenv::writeFile(dir + L"\\" + name + L".bmp",
                                  bytes(&file, sizeof file) + bytes(&info, sizeof info) + bytes(bits, size));
    }
};
