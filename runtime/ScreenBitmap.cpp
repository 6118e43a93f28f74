#include "runtime/ScreenBitmap.h"

namespace rt {

unique_hbitmap screenBitmap(HDC dc, int width, int height) {
    if (GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) != 32)
        return unique_hbitmap(CreateCompatibleBitmap(dc, width, height));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    return unique_hbitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

}  // namespace rt
