// ctest-serial
#include <gtest/gtest.h>

#include "common/ControlHost.h"
#include "runtime/UserControl.h"

using namespace testenv;

// The surface is a memory bitmap of its own: made larger, the window still
// shows what was drawn on it. A size too large for any bitmap keeps the
// surface it had, and it grows again later.
TEST(UserControl, SurfaceKeepsItsPicture) {
    for (int tooLarge : {0, 30000}) {
        long gdi = rt::gdiOwnedCount();
        {
            ControlHost host;
            rt::UserControl a;
            a.place(host.container(), L"a", {10, 10, 110, 40});
            a.show();
            RECT all{0, 0, 100, 30}, grown{120, 35, 150, 45};
            rt::unique_hbrush red(CreateSolidBrush(RGB(200, 0, 0))), green(CreateSolidBrush(RGB(0, 200, 0)));
            FillRect(a.hDC(), &all, red.get());
            if (tooLarge) a.move({10, 10, 10 + tooLarge, 10 + tooLarge});
            a.move({10, 10, 160, 55});
            FillRect(a.hDC(), &grown, green.get());
            InvalidateRect(a.hwnd(), nullptr, TRUE);
            settle();
            rt::unique_hdc_window screen(a.hwnd());
            EXPECT_EQ(std::make_pair(GetPixel(screen.get(), 50, 15), GetPixel(screen.get(), 140, 40)),
                      std::make_pair(RGB(200, 0, 0), RGB(0, 200, 0)))
                << tooLarge;
        }
        EXPECT_EQ(rt::gdiOwnedCount(), gdi) << tooLarge;
    }
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
