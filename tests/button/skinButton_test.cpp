// The skinned button on a real host window: its fonts, its repaint as the
// default button, and its region and GDI objects as it comes and goes.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "common/TestEnv.h"
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

// Before it is placed, the font properties work on the button's own font.
// Integer values outside 16 bits overflow (error 6) and change nothing: a
// MousePointer write, and FontSize of a font too large for it.
TEST(skinButton, FontsBeforePlacingAndSixteenBitValues) {
    skinButton loose;
    loose.FontName(L"Arial"), loose.FontSize(12), loose.FontBold(true), loose.FontItalic(true);
    loose.FontUnderline(true);
    EXPECT_EQ(loose.FontName() + std::to_wstring(loose.FontSize()), L"Arial12");
    EXPECT_TRUE(loose.FontBold() && loose.FontItalic() && loose.FontUnderline());
    const struct { double points; int32_t error; int16_t read; } sizes[] = {
        {9.5, 0, 10}, {32767.4, 0, 32767}, {32767.5, 6, -1}, {40000, 6, -1}};
    for (const auto& c : sizes) {
        loose.Font(std::make_shared<rt::StdFont>(L"Arial", c.points));
        int16_t read = -1;
        EXPECT_EQ(raisedError([&] { read = loose.FontSize(); }), c.error) << c.points;
        EXPECT_EQ(std::make_pair(read, loose.Font()->size()), std::make_pair(c.read, c.points));
    }
    ControlHost host;
    Placed p(host);
    p.b.MousePointer(99);
    host.changes.clear();
    for (int32_t bad : {32768, -32769}) EXPECT_EQ(raisedError([&] { p.b.MousePointer(bad); }), 6) << bad;
    EXPECT_EQ(p.b.MousePointer(), 99);
    EXPECT_TRUE(host.changes.empty());
}

// A transparent button copies what lies behind it once, at the first size it
// is shown with (or first gets, when shown without one), and gets its
// height back afterwards.
TEST(skinButton, TransparentButtonCapturesTheParentOnce) {
    for (RECT first : {RECT{30, 30, 90, 50}, RECT{30, 30, 30, 30}}) {
        ControlHost host;
        Placed s(host, L"b", nullptr, 11, first);
        s.b.move({30, 30, 90, 50});
        s.b.move({30, 30, 130, 80});
        s.b.hide(), s.b.show();
        BITMAP copy{};
        GetObjectW(s.b.state().backgroundBitmap.get(), sizeof copy, &copy);
        RECT rc{};
        GetClientRect(s.b.hwnd(), &rc);
        EXPECT_EQ((std::vector<long>{copy.bmWidth, copy.bmHeight, rc.bottom}), (std::vector<long>{60, 20, 50}))
            << first.right;
        EXPECT_EQ(GetPixel(s.b.state().backgroundDC.get(), 5, 5), GetSysColor(COLOR_BTNFACE)) << first.right;
    }
}

// The capture of a transparent button lets pending input through: a click
// there may take the button's window away. ButtonType, Refresh and Show then
// stop: no paint, no notification.
TEST(skinButton, StopsWhenItsWindowGoesDuringTheCapture) {
    const std::function<void(skinButton&)> steps[] = {
        [](skinButton& b) { b.ButtonType(11); }, [](skinButton& b) { b.Refresh(); }, [](skinButton& b) { b.show(); }};
    for (const auto& step : steps) {
        ControlHost host;
        Placed s(host, L"b", nullptr, 11), other(host, L"other", nullptr, 0, {10, 50, 110, 75});
        other.b.events.Click = [&] { DestroyWindow(s.b.hwnd()); };
        if (&step == &steps[2]) s.b.hide();
        PostMessageW(other.b.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(other.b.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        host.changes.clear();
        EXPECT_FALSE(s.paints([&] { step(s.b); })) << &step - steps;
        EXPECT_EQ(s.b.hwnd(), nullptr);
        EXPECT_TRUE(host.changes.empty()) << &step - steps;
    }
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
