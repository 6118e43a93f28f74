// The skinned button on a real host window: its fonts, its repaint as the
// default button, and its region and GDI objects as it comes and goes.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "runtime/MessagePump.h"

using namespace testenv;
using button::skinButton;

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);

struct Placed {
    skinButton b;
    Placed(ControlHost& host, const wchar_t* name = L"b", const rt::PropertyBag* bag = nullptr, int32_t type = 0,
           RECT at = {10, 10, 110, 35}) {
        b.place(host.container(), name, at, bag);
        if (type) b.ButtonType(type);
        b.show();
    }
    // Whether a step repaints the surface at once.
    bool paints(const std::function<void()>& step) {
        SetPixelV(b.hDC(), 1, 1, kMarker);
        step();
        return GetPixel(b.hDC(), 1, 1) != kMarker;
    }
};

}  // namespace

// The button's font is a copy of the window's, and the stored form keeps a
// copy of the button's: bolding the button's font later changes neither.
TEST(skinButton, FontsAreCopies) {
    ControlHost host;
    auto font = std::make_shared<rt::StdFont>(L"Arial", 10, false);
    host.container().setFont(font);
    Placed p(host);
    rt::PropertyBag saved;
    p.b.save(saved);
    p.b.FontBold(true);
    EXPECT_EQ(std::make_pair(font->bold(), saved.ReadFont(L"FONT", nullptr)->bold()), std::make_pair(false, false));
}

// Becoming or ceasing to be the default button repaints, unless the button
// has colours of its own. Type 14 draws the default button's caption bold
// through FontBold, and sets it back.
TEST(skinButton, RepaintsWhenMadeDefault) {
    ControlHost host;
    Placed s(host);
    for (int32_t scheme : {1, 2}) {
        s.b.ColorScheme(scheme);
        for (rt::UserControl* control : {static_cast<rt::UserControl*>(&s.b), static_cast<rt::UserControl*>(nullptr)})
            EXPECT_EQ(s.paints([&] { host.container().setDefaultControl(control); }), scheme != 2) << scheme;
    }
    host.container().setDefaultControl(&s.b);
    EXPECT_TRUE(s.paints([&] { s.b.ButtonType(14); }));
    EXPECT_EQ(std::make_pair(s.b.FontBold(), s.b.state().refreshOn), std::make_pair(false, true));
}

// Each size gets a region of its own: type 5 cuts two corner pixels.
TEST(skinButton, WindowRegionFollowsTheSize) {
    ControlHost host;
    Placed s(host, L"b", nullptr, 5, {10, 10, 50, 30});
    s.b.move({10, 10, 70, 40});
    rt::unique_hrgn region(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(s.b.hwnd(), region.get());
    std::vector<bool> inside;  // the corners of the new size, and one pixel past it
    for (POINT p : {POINT{0, 0}, {59, 0}, {0, 29}, {59, 29}, {60, 29}})
        inside.push_back(PtInRegion(region.get(), p.x, p.y));
    EXPECT_EQ(inside, (std::vector<bool>{true, false, false, true, false}));
}

// Wine answers GetGuiResources with 0: the handles are counted by their owners.
TEST(skinButton, NoGdiObjectsLeftAfterHundredsOfCycles) {
    ControlHost host;
    const long before = rt::gdiOwnedCount();
    {
        Placed s(host);
        long settled = 0;
        for (int i = 0; i < 600; ++i) {
            s.b.ButtonType(std::array{1, 3, 5, 9, 11, 13, 14, 2}[i % 8]);
            s.b.move({10, 10, 40 + i % 200, 20 + i % 100});
            if (i % 4 == 0) s.b.hide(), s.b.show();
            s.b.FontSize(static_cast<int16_t>(8 + i % 5));
            if (i % 50 == 0) rt::DoEvents();
            if (i == 99) settled = rt::gdiOwnedCount();
        }
        EXPECT_EQ(rt::gdiOwnedCount(), settled);
    }
    for (int i = 0; i < 100; ++i) Placed transparent(host, L"b", nullptr, 11, {0, 0, 50, 20});
    EXPECT_EQ(rt::gdiOwnedCount(), before);
}
