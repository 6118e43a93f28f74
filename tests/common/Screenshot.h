#pragma once
// What a window shows on the screen, read back from the screen itself (so
// windowless labels and images count as the user sees them), compared with
// a rendering of what should be there, and kept as a PNG artefact.
#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/TestEnv.h"
#include "runtime/DibCanvas.h"
#include "runtime/Image.h"
#include "runtime/StdPicture.h"

namespace testenv {

class Screenshot {
public:
    // The client area of `window`, or the whole window with its frame.
    explicit Screenshot(HWND window, bool withFrame = false) {
        RECT r{};
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        if (withFrame) GetWindowRect(window, &r);
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
        pixels_ = pixelsDrawn([&](HDC dc) {
            rt::unique_hdc_window screen(nullptr);
            BitBlt(dc, 0, 0, width_, height_, screen.get(), r.left, r.top, SRCCOPY);
        });
    }

    int width() const { return width_; }
    int height() const { return height_; }

    // True when `area` (client pixels) shows exactly what `draw` paints there
    // over the bitmap `background` (a resource of this program) placed at 0, 0.
    bool shows(RECT area, int background, const std::function<void(HDC)>& draw) const {
        return showsPainted(area, [&](HDC dc) {
            rt::drawPicture(dc, *rt::StdPicture::fromBitmapResource(background), 0, 0);
            draw(dc);
        });
    }

    // True when `area` (client pixels) shows exactly what `draw` paints
    // there on a canvas of the same size, background included.
    bool showsPainted(RECT area, const std::function<void(HDC)>& draw) const {
        if (area.left < 0 || area.top < 0 || area.right > width_ || area.bottom > height_) return false;
        std::vector<uint32_t> expected = pixelsDrawn(draw);
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (expected[y * width_ + x] != pixels_[y * width_ + x]) return false;
        return true;
    }

    bool operator==(const Screenshot& other) const = default;

    // Saves it as build/screenshots/<name>.png; false when it cannot.
    bool save(const std::wstring& name) const {
        std::wstring folder = buildDir() + L"\\screenshots";
        CreateDirectoryW(folder.c_str(), nullptr);
        HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        bool saved = encodePng(folder + L"\\" + name + L".png");
        if (SUCCEEDED(com)) CoUninitialize();
        return saved;
    }

private:
    // What `draw` paints on a fresh bitmap of this size, top-down 0x00RRGGBB.
    std::vector<uint32_t> pixelsDrawn(const std::function<void(HDC)>& draw) const {
        rt::DibCanvas canvas(nullptr, width_, height_);
        draw(canvas.dc());
        GdiFlush();
        std::vector<uint32_t> pixels;
        for (int y = height_ - 1; y >= 0; --y)  // the canvas has its rows from the bottom up
            for (int x = 0; x < width_; ++x) pixels.push_back(canvas.pixels()[y * width_ + x] & 0xFFFFFF);
        return pixels;
    }

    bool encodePng(const std::wstring& path) const {
        std::vector<uint32_t> pixels = pixels_;
        for (uint32_t& p : pixels) p |= 0xFF000000;  // opaque
        Microsoft::WRL::ComPtr<IWICImagingFactory> factory;
        Microsoft::WRL::ComPtr<IWICStream> stream;
        Microsoft::WRL::ComPtr<IWICBitmapEncoder> encoder;
        Microsoft::WRL::ComPtr<IWICBitmapFrameEncode> frame;
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
        UINT stride = static_cast<UINT>(width_) * 4;
        return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IWICImagingFactory, reinterpret_cast<void**>(factory.GetAddressOf()))) &&
               SUCCEEDED(factory->CreateStream(stream.GetAddressOf())) &&
               SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
               SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.GetAddressOf())) &&
               SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
               SUCCEEDED(encoder->CreateNewFrame(frame.GetAddressOf(), nullptr)) &&
               SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width_, height_)) &&
               SUCCEEDED(frame->SetPixelFormat(&format)) &&
               SUCCEEDED(
                   frame->WritePixels(height_, stride, stride * height_, reinterpret_cast<BYTE*>(pixels.data()))) &&
               SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }

    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;  // top-down rows, 0x00RRGGBB
};

}  // namespace testenv
