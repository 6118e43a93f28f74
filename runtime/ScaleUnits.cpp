#include "runtime/ScaleUnits.h"

#include <windows.h>

#include "runtime/Handles.h"

namespace rt {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr int kTwipsPerInch = 1440;

float convert(float value, ScaleModeConstants from, ScaleModeConstants to, int perInch) {
    const double pixels = from == vbHimetric ? static_cast<double>(value) * perInch / kHimetricPerInch : value;
    return static_cast<float>(to == vbHimetric ? pixels * kHimetricPerInch / perInch : pixels);
}

// Rounded up, so that the way back, which drops part pixels, gives `pixels` again.
int wholeTwips(int pixels, int perInch) { return (pixels * kTwipsPerInch + perInch - 1) / perInch; }

int askScreen(int index) {
    unique_hdc_window screen(nullptr);
    return GetDeviceCaps(screen.get(), index);
}

}  // namespace

// A program that is not DPI-aware keeps the resolution its session started
// with, and the screen's device context costs a server round trip under
// Wine: asked once.
int screenPixelsPerInch(int index) {
    static const int x = askScreen(LOGPIXELSX), y = askScreen(LOGPIXELSY);
    return index == LOGPIXELSX ? x : y;
}

float ScaleX(float width, ScaleModeConstants fromScale, ScaleModeConstants toScale) {
    return convert(width, fromScale, toScale, screenPixelsPerInch(LOGPIXELSX));
}

float ScaleY(float height, ScaleModeConstants fromScale, ScaleModeConstants toScale) {
    return convert(height, fromScale, toScale, screenPixelsPerInch(LOGPIXELSY));
}

int twipsToPixelsX(int twips) { return twips * screenPixelsPerInch(LOGPIXELSX) / kTwipsPerInch; }

int twipsToPixelsY(int twips) { return twips * screenPixelsPerInch(LOGPIXELSY) / kTwipsPerInch; }

float pixelsToTwipsX(int pixels) {
    return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(screenPixelsPerInch(LOGPIXELSX));
}

float pixelsToTwipsY(int pixels) {
    return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(screenPixelsPerInch(LOGPIXELSY));
}

int pixelsToWholeTwipsX(int pixels) { return wholeTwips(pixels, screenPixelsPerInch(LOGPIXELSX)); }

int pixelsToWholeTwipsY(int pixels) { return wholeTwips(pixels, screenPixelsPerInch(LOGPIXELSY)); }

}  // namespace rt
