#include "common/Screenshot.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "common/TestEnv.h"
#include "runtime/Handles.h"
#include "runtime/Image.h"
#include "runtime/StdPicture.h"

namespace testenv {
namespace {

bool encodePng(const std::wstring& path, int width, int height, std::vector<uint32_t> pixels) {
    for (uint32_t& p : pixels) p |= 0xFF000000;  // opaque
    Microsoft::WRL::ComPtr<IWICImagingFactory> factory;
    Microsoft::WRL::ComPtr<IWICStream> stream;
    Microsoft::WRL::ComPtr<IWICBitmapEncoder> encoder;
    Microsoft::WRL::ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    UINT stride = static_cast<UINT>(width) * 4;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.GetAddressOf()))) &&
           SUCCEEDED(factory->CreateStream(stream.GetAddressOf())) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.GetAddressOf())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.GetAddressOf(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
           SUCCEEDED(frame->WritePixels(height, stride, stride * height, reinterpret_cast<BYTE*>(pixels.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

// What `draw` paints on a fresh width x height bitmap, top-down 0x00RRGGBB.
std::vector<uint32_t> pixelsDrawn(int width, int height, const std::function<void(HDC)>& draw) {
    rt::unique_hdc_window screen(nullptr);
    rt::unique_hdc dc(CreateCompatibleDC(screen.get()));
    rt::unique_hbitmap bits(CreateCompatibleBitmap(screen.get(), width, height));
    {
        rt::select_object into(dc.get(), bits.get());
        draw(dc.get());
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    GetDIBits(dc.get(), bits.get(), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

}  // namespace

Screenshot::Screenshot(HWND window, bool withFrame) {
    RECT r{};
    if (withFrame) {
        GetWindowRect(window, &r);
    } else {
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    }
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    pixels_ = pixelsDrawn(width_, height_, [&](HDC dc) {
        rt::unique_hdc_window screen(nullptr);
        BitBlt(dc, 0, 0, width_, height_, screen.get(), r.left, r.top, SRCCOPY);
    });
}

bool Screenshot::shows(RECT area, int background, const std::function<void(HDC)>& draw) const {
    std::vector<uint32_t> expected = pixelsDrawn(width_, height_, [&](HDC dc) {
        rt::drawPicture(dc, *rt::StdPicture::fromBitmapResource(background), 0, 0);
        draw(dc);
    });
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            size_t i = static_cast<size_t>(y) * width_ + x;
            if (expected[i] != pixels_[i]) return false;
        }
    return true;
}

bool Screenshot::save(const std::wstring& name) const {
    std::wstring folder = buildDir() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool saved = encodePng(folder + L"\\" + name + L".png", width_, height_, pixels_);
    if (SUCCEEDED(com)) CoUninitialize();
    return saved;
}

}  // namespace testenv
