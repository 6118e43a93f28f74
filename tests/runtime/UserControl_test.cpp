// ctest-serial
#include <gtest/gtest.h>

#include "common/ControlHost.h"
#include "runtime/UserControl.h"

using namespace testenv;

// The surface is a memory bitmap of its own: made larger, the window still
// shows what was drawn on it.
TEST(UserControl, SurfaceKeepsItsPicture) {
    ControlHost host;
    rt::UserControl a;
    a.place(host.container(), L"a", {10, 10, 110, 40});
    a.show();
    RECT all{0, 0, 100, 30};
    rt::unique_hbrush red(CreateSolidBrush(RGB(200, 0, 0)));
    FillRect(a.hDC(), &all, red.get());
    InvalidateRect(a.hwnd(), nullptr, TRUE);
    a.move({10, 10, 150, 45});
    settle();
    rt::unique_hdc_window screen(a.hwnd());
    EXPECT_EQ(GetPixel(screen.get(), 50, 15), RGB(200, 0, 0));
}

TEST(UserControl, OutlivingItsContainerIsHarmless) {
    rt::UserControl p;
    {
        ControlHost host;
        p.place(host.container(), L"p", {0, 0, 20, 20});
    }
    p.PropertyChanged(L"KEY");
    EXPECT_EQ(p.container(), nullptr);
    EXPECT_TRUE(p.AmbientUserMode());
}
