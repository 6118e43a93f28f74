#include <gtest/gtest.h>

#include <memory>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "runtime/MessagePump.h"

using namespace testenv;
using button::skinButton;

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);
void mark(skinButton& b) { SetPixelV(b.hDC(), 1, 1, kMarker); }
bool painted(skinButton& b) { return GetPixel(b.hDC(), 1, 1) != kMarker; }

struct Shown {
    skinButton b;
    Shown(ControlHost& host, RECT at = {10, 10, 110, 35}) {
        b.place(host.container(), L"b", at);
        b.show();
    }
};

SIZE bitmapSize(HBITMAP bm) {
    BITMAP info{};
    GetObjectW(bm, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

TEST(skinButtonLifecycle, PaintingFollowsShowHideAndRefresh) {
    ControlHost host;
    Shown s(host);
    skinButton& b = s.b;
    const struct { const char* what; std::function<void()> step; bool paintsOnWrite; } steps[] = {
        {"shown", [] {}, true},
        {"hidden", [&] { b.hide(); }, false},
        {"shown again", [&] { b.show(); }, true},
        {"refresh disabled", [&] { b.DisableRefresh(); }, false},
        {"refreshed", [&] { b.Refresh(); }, true},
    };
    for (const auto& st : steps) {
        st.step();
        mark(b);
        b.SpecialEffect(1);
        EXPECT_EQ(painted(b), st.paintsOnWrite) << st.what;
    }
    b.DisableRefresh();
    mark(b);
    b.Refresh();
    EXPECT_TRUE(painted(b));
}

TEST(skinButtonLifecycle, ResizeLaysOutAndPaintsOnlyWithAHeight) {
    ControlHost host;
    Shown s(host);
    s.b.ButtonType(14);
    s.b.move({10, 10, 70, 40});
    EXPECT_EQ(s.b.state().Wi, 60);
    EXPECT_EQ(s.b.state().He, 30);
    RECT focus{6, 6, 56, 26};
    EXPECT_TRUE(EqualRect(&s.b.state().rcFocus, &focus));
    mark(s.b);
    s.b.move({10, 10, 70, 10});
    EXPECT_EQ(s.b.state().He, 0);
    EXPECT_FALSE(painted(s.b));
}

TEST(skinButtonLifecycle, ContainerChangesRepaintUnlessCustomColoured) {
    ControlHost host;
    Shown s(host);
    mark(s.b);
    host.container().setDefaultControl(&s.b);
    EXPECT_TRUE(s.b.AmbientDisplayAsDefault());
    EXPECT_TRUE(painted(s.b));
    s.b.ColorScheme(2);
    mark(s.b);
    host.container().setDefaultControl(nullptr);
    EXPECT_FALSE(painted(s.b));
}

TEST(skinButtonLifecycle, TransparentButtonCapturesTheParentOnceAtItsFirstSize) {
    ControlHost host;
    long before = rt::gdiOwnedCount();
    {
        skinButton b;
        b.place(host.container(), L"glass", {30, 30, 90, 50});
        b.ButtonType(11);
        b.show();
        ASSERT_NE(b.state().backgroundDC.get(), nullptr);
        SIZE first = bitmapSize(b.state().backgroundBitmap.get());
        EXPECT_EQ(first.cx, 60);
        EXPECT_EQ(first.cy, 20);
        EXPECT_EQ(GetPixel(b.state().backgroundDC.get(), 5, 5), GetSysColor(COLOR_BTNFACE));
        b.move({30, 30, 130, 80});
        b.hide();
        b.show();
        SIZE later = bitmapSize(b.state().backgroundBitmap.get());
        EXPECT_EQ(later.cx, 60);
        EXPECT_EQ(later.cy, 20);
        RECT rc;
        GetClientRect(b.hwnd(), &rc);
        EXPECT_EQ(rc.bottom, 50);  // the capture puts the height back
    }
    EXPECT_EQ(rt::gdiOwnedCount(), before);
}

// Wine answers GetGuiResources with 0: the handles are counted by their owners.
TEST(skinButtonLifecycle, NoGdiObjectsLeftAfterThousandsOfCycles) {
    ControlHost host(500, 400);
    long before = rt::gdiOwnedCount();
    DWORD guiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    {
        Shown s(host);
        skinButton& b = s.b;
        const int32_t types[] = {1, 3, 5, 9, 11, 13, 14, 2};
        long settled = 0;
        for (int i = 0; i < 2000; ++i) {
            b.ButtonType(types[i % 8]);
            b.move({10, 10, 40 + i % 200, 20 + i % 100});
            b.Refresh();
            if (i % 4 == 0) {
                b.hide();
                b.show();
            }
            b.FontSize(static_cast<int16_t>(8 + i % 5));
            if (i % 50 == 0) rt::DoEvents();
            if (i == 99) settled = rt::gdiOwnedCount();
        }
        EXPECT_EQ(rt::gdiOwnedCount(), settled);
    }
    for (int i = 0; i < 200; ++i) {
        auto b = std::make_unique<skinButton>();
        b->place(host.container(), L"n", {0, 0, 50, 20});
        b->ButtonType(11);
        b->show();
    }
    EXPECT_EQ(rt::gdiOwnedCount(), before);
    DWORD guiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (guiBefore != 0) {
        EXPECT_LE(guiAfter, guiBefore + 5);
    }
}
