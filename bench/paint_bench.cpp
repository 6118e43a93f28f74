// Prints the time of one button repaint for each look, at 113 x 25 with the
// launcher's stored button properties, beside a bare face fill and one copy
// of the finished surface to a window (as ratios), and the GDI objects the
// button owns before and after 10 000 repaints of each look.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

#include "button/ButtonCaption.h"
#include "button/ButtonColors.h"
#include "button/ButtonPainter.h"
#include "button/ButtonPictures.h"
#include "button/ButtonRegion.h"
#include "resources/ResourceIds.h"
#include "runtime/Handles.h"
#include "runtime/ScreenBitmap.h"
#include "runtime/StdFont.h"

namespace {

constexpr int kWidth = 113, kHeight = 25, kRepaints = 10000;

// A button's drawing surface as the control keeps it: a bitmap in the
// screen's format in a memory context, cleared with a fresh brush each time.
class BenchButton : public button::ButtonSurface {
public:
    explicit BenchButton(HDC screen)
        : dc_(CreateCompatibleDC(screen)),
          bitmap_(rt::screenBitmap(screen, kWidth, kHeight)),
          bitmapIn_(dc_.get(), bitmap_.get()) {
        SetBkMode(dc_.get(), TRANSPARENT);
        fontIn_ = SelectObject(dc_.get(), font_.handle());
    }
    ~BenchButton() override { SelectObject(dc_.get(), fontIn_); }

    // The stored values of the launcher's six buttons, as type `type`.
    void launcherButton(int32_t type, const rt::PictureRef& icon) {
        s = {};
        s.ButtonType = type, s.ColorScheme = 1, s.Wi = kWidth, s.He = kHeight;
        s.Enabled = s.ShowFocusRect = s.UseMaskColor = s.refreshOn = true;
        s.BackColor = s.BackOver = 0xFFFFFF, s.ForeColor = s.ForeOver = 0, s.MaskColor = 0xC0C0C0;
        s.PictureNormal = icon, s.Caption = L"&Start game...";
        button::setColors(s, nullptr);
        button::calcPicSize(s);
        button::calcTextRects(dc_.get(), s);
        s.rcFocus = button::focusRect(type, {0, 0, kWidth, kHeight});
    }

    HDC surfaceDC() override { return dc_.get(); }
    void clearSurface() override {
        rt::unique_hbrush back(CreateSolidBrush(0xFFFFFF));
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_.get(), &all, back.get());
    }
    HWND buttonWindow() const override { return nullptr; }
    bool isDefaultButton() const override { return false; }
    bool captionBold() const override { return font_.bold(); }
    void captionBold(bool bold) override {
        SelectObject(dc_.get(), fontIn_);
        font_.setBold(bold);
        SelectObject(dc_.get(), font_.handle());
        button::calcTextRects(dc_.get(), s);
        painter.redraw(button::stateUp, true);
    }

    button::ButtonState s;
    button::ButtonPainter painter{s, *this};

private:
    rt::unique_hdc dc_;
    rt::unique_hbitmap bitmap_;
    rt::select_object bitmapIn_;
    rt::StdFont font_{L"Arial", 8.25};
    HGDIOBJ fontIn_ = nullptr;
};

// Microseconds per call of `step` over `times` calls: the median of ten
// batches, so that a moment of other load on the machine does not count.
double microseconds(int times, const std::function<void()>& step) {
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    std::array<double, 10> batches;
    for (double& batch : batches) {
        QueryPerformanceCounter(&t0);
        for (int i = 0; i < times / 10; ++i) step();
        GdiFlush();
        QueryPerformanceCounter(&t1);
        batch = 1e6 * double(t1.QuadPart - t0.QuadPart) / double(freq.QuadPart) / (times / 10);
    }
    std::nth_element(batches.begin(), batches.begin() + 5, batches.end());
    return batches[5];
}

// Microseconds per repaint at rest, hovered, pressed and disabled, and their mean.
struct Repaints {
    std::array<double, 4> state;
    double mean;
};

Repaints repaints(BenchButton& b, int times) {
    Repaints r{};
    for (int state = 0; state < 4; ++state) {
        b.s.isOver = state == 1;
        b.s.Enabled = state != 3;
        const uint8_t asked = state == 2 ? button::stateDown : button::stateUp;
        r.state[state] = microseconds(times / 4, [&] { b.painter.redraw(asked, true); });
        r.mean += r.state[state] / 4;
    }
    return r;
}

// A window on screen that the finished surface is copied to, as a paint message does.
HWND shownWindow() {
    HWND hwnd = CreateWindowW(L"STATIC", L"paint bench", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(hwnd);
    return hwnd;
}

}  // namespace

int main() {
    rt::unique_hdc_window screen(nullptr);
    BenchButton b(screen.get());
    const rt::PictureRef icon = rt::StdPicture::fromIcon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PLAY), IMAGE_ICON, 16, 16, 0)));
    HWND window = shownWindow();

    b.launcherButton(9, icon);
    b.painter.redraw(button::stateUp, true);
    rt::unique_hbrush face(CreateSolidBrush(b.s.colors.cFace));
    const RECT all{0, 0, kWidth, kHeight};
    const double fill = microseconds(100000, [&] { FillRect(b.surfaceDC(), &all, face.get()); });
    const double blit = [&] {
        rt::unique_hdc_window windowDC(window);
        return microseconds(kRepaints,
                            [&] { BitBlt(windowDC.get(), 0, 0, kWidth, kHeight, b.surfaceDC(), 0, 0, SRCCOPY); });
    }();

    std::printf(
        "button repaint at %d x %d, the launcher's stored properties (scheme 1, play icon, \"&Start game...\","
        " Arial 8.25), microseconds\n",
        kWidth, kHeight);
    std::printf("  bare face fill (FillRect only)   %7.2f\n", fill);
    std::printf("  one BitBlt of the surface        %7.2f\n", blit);
    std::printf(
        "  type      up  hovered  pressed disabled |    mean  x fill  x blit | look alone: up    mean  x fill | "
        "owned GDI objects before/after %d repaints\n",
        2 * kRepaints);
    for (int32_t type = 1; type <= 14; ++type) {
        const long before = rt::gdiOwnedCount();
        b.launcherButton(type, icon);
        const Repaints full = repaints(b, kRepaints);
        b.launcherButton(type, nullptr);
        const Repaints alone = repaints(b, kRepaints);
        const long after = rt::gdiOwnedCount();
        std::printf("  %4d %7.1f  %7.1f  %7.1f  %7.1f | %7.1f %7.0f %7.0f | %14.1f %7.1f %7.1f | %ld/%ld%s\n", type,
                    full.state[0], full.state[1], full.state[2], full.state[3], full.mean, full.mean / fill,
                    full.mean / blit, alone.state[0], alone.mean, alone.mean / fill, before, after,
                    before == after ? "" : "  GROWS");
    }
    DestroyWindow(window);
    return 0;
}
