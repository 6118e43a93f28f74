#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "runtime/MessagePump.h"

using namespace testenv;
using button::skinButton;

namespace {

struct Shown {
    skinButton b;
    Shown(ControlHost& host, int32_t type = 2, RECT at = {10, 10, 110, 35}) {
        b.place(host.container(), L"b", at);
        b.ButtonType(type);
        b.show();
    }
    // Whether a step repaints the surface now (a property write by default).
    bool paintsOnWrite(const std::function<void()>& step = {}) {
        SetPixelV(b.hDC(), 1, 1, RGB(255, 0, 255));
        step ? step() : b.SpecialEffect(1);
        return GetPixel(b.hDC(), 1, 1) != RGB(255, 0, 255);
    }
};

}  // namespace

TEST(skinButtonLifecycle, PaintingFollowsShowHideAndRefresh) {
    ControlHost host;
    Shown s(host);
    EXPECT_TRUE(s.paintsOnWrite());
    s.b.hide();
    EXPECT_FALSE(s.paintsOnWrite());
    s.b.show();
    EXPECT_TRUE(s.paintsOnWrite());
    s.b.DisableRefresh();
    EXPECT_FALSE(s.paintsOnWrite());
    s.b.Refresh();
    EXPECT_TRUE(s.paintsOnWrite());
}

// Becoming or ceasing to be the default button repaints, unless the button
// has colours of its own.
TEST(skinButtonLifecycle, DefaultButtonChangeRepaints) {
    ControlHost host;
    Shown s(host);
    for (int32_t scheme : {1, 2}) {
        s.b.ColorScheme(scheme);
        for (rt::UserControl* control : {static_cast<rt::UserControl*>(&s.b), static_cast<rt::UserControl*>(nullptr)})
            EXPECT_EQ(s.paintsOnWrite([&] { host.container().setDefaultControl(control); }), scheme != 2) << scheme;
    }
    // Type 14 draws the default button's caption bold through FontBold, and sets it back.
    host.container().setDefaultControl(&s.b);
    EXPECT_TRUE(s.paintsOnWrite([&] { s.b.ButtonType(14); }));
    EXPECT_EQ(std::make_pair(s.b.FontBold(), s.b.state().refreshOn), std::make_pair(false, true));
}

// Each size gets a region of its own: type 5 cuts two corner pixels.
TEST(skinButtonLifecycle, WindowRegionFollowsTheSize) {
    ControlHost host;
    Shown s(host, 5, {10, 10, 50, 30});
    s.b.move({10, 10, 70, 40});
    rt::unique_hrgn region(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(s.b.hwnd(), region.get());
    std::vector<bool> inside;  // the corners of the new size, and one pixel past it
    for (POINT p : {POINT{0, 0}, {59, 0}, {0, 29}, {59, 29}, {60, 29}})
        inside.push_back(PtInRegion(region.get(), p.x, p.y));
    EXPECT_EQ(inside, (std::vector<bool>{true, false, false, true, false}));
}

// A transparent button copies what lies behind it once, at the size it had
// when first shown, and gets its height back afterwards.
TEST(skinButtonLifecycle, TransparentButtonCapturesTheParentOnce) {
    ControlHost host;
    Shown s(host, 11, {30, 30, 90, 50});
    ASSERT_NE(s.b.state().backgroundDC.get(), nullptr);
    EXPECT_EQ(GetPixel(s.b.state().backgroundDC.get(), 5, 5), GetSysColor(COLOR_BTNFACE));
    s.b.move({30, 30, 130, 80});
    s.b.hide();
    s.b.show();
    BITMAP copy{};
    GetObjectW(s.b.state().backgroundBitmap.get(), sizeof copy, &copy);
    EXPECT_EQ(std::make_pair(copy.bmWidth, copy.bmHeight), std::make_pair(60L, 20L));
    RECT rc;
    GetClientRect(s.b.hwnd(), &rc);
    EXPECT_EQ(rc.bottom, 50);
}

// Wine answers GetGuiResources with 0: the handles are counted by their owners.
TEST(skinButtonLifecycle, NoGdiObjectsLeftAfterThousandsOfCycles) {
    ControlHost host;
    const long before = rt::gdiOwnedCount();
    const DWORD guiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    {
        Shown s(host);
        const int32_t types[] = {1, 3, 5, 9, 11, 13, 14, 2};
        long settled = 0;
        for (int i = 0; i < 2000; ++i) {
            s.b.ButtonType(types[i % 8]);
            s.b.move({10, 10, 40 + i % 200, 20 + i % 100});
            s.b.Refresh();
            if (i % 4 == 0) { s.b.hide(); s.b.show(); }
            s.b.FontSize(static_cast<int16_t>(8 + i % 5));
            if (i % 50 == 0) rt::DoEvents();
            if (i == 99) settled = rt::gdiOwnedCount();
        }
        EXPECT_EQ(rt::gdiOwnedCount(), settled);
    }
    for (int i = 0; i < 200; ++i) Shown transparent(host, 11, {0, 0, 50, 20});
    EXPECT_EQ(rt::gdiOwnedCount(), before);
    if (guiBefore != 0) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), guiBefore + 5);
    }
}
