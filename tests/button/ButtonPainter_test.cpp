#include <gtest/gtest.h>

#include "button/ButtonColors.h"
#include "button/ButtonPainter.h"
#include "common/ControlHost.h"

using namespace button;

namespace {

constexpr COLORREF kMarker = RGB(255, 0, 255);

struct PaintBench {
    testenv::ControlHost host;
    rt::UserControl surface;
    ButtonState s;
    ButtonPainter painter{s, surface};
    PaintBench() {
        surface.place(host.container(), L"surface", {0, 0, 40, 20});
        s.He = 20;
        s.Wi = 40;
        s.refreshOn = true;
        s.Caption = L"a";
        s.ColorScheme = schemeCustom;
        s.BackColor = 0x204060;
        s.BackOver = 0x00C000;
        setColors(s, surface.hwnd());
    }
    void mark() { SetPixelV(surface.hDC(), 5, 5, kMarker); }
    bool painted() { return GetPixel(surface.hDC(), 5, 5) != kMarker; }
};

}  // namespace

TEST(ButtonPainter, SkipsRepeatsUnlessForced) {
    PaintBench t;
    const struct { uint8_t state; bool force; const wchar_t* caption; bool paints; uint8_t lastState; } steps[] = {
        {0, false, L"a", true, 0},  {0, false, L"a", false, 0}, {0, true, L"a", true, 0},
        {2, false, L"a", true, 2},  {2, false, L"a", false, 2}, {2, false, L"b", true, 2},
        {2, false, L"B", true, 2},  {0, false, L"B", true, 0},
    };
    t.painter.redraw(0, true);
    t.s.lastCaption = L"";
    for (const auto& step : steps) {
        t.s.Caption = step.caption;
        t.mark();
        t.painter.redraw(step.state, step.force);
        EXPECT_EQ(t.painted(), step.paints) << int(step.state) << " " << step.caption;
        EXPECT_EQ(t.s.lastState, step.lastState);
        EXPECT_EQ(t.s.lastCaption, step.caption);
    }
}

TEST(ButtonPainter, NothingWithoutHeightOrPermission) {
    PaintBench t;
    t.s.lastState = 0;
    t.s.lastCaption = L"old";
    for (int blocked = 0; blocked < 2; ++blocked) {
        t.s.He = blocked == 0 ? 0 : 20;
        t.s.refreshOn = blocked != 0 ? false : true;
        t.mark();
        t.painter.redraw(2, true);
        EXPECT_FALSE(t.painted());
        EXPECT_EQ(t.s.lastState, 0);
        EXPECT_EQ(t.s.lastCaption, L"old");
    }
}

TEST(ButtonPainter, CheckedCheckBoxShowsPressed) {
    PaintBench t;
    t.s.CheckBoxBehaviour = true;
    t.s.Value = true;
    t.painter.redraw(0, true);
    EXPECT_EQ(t.s.lastState, 2);
    t.s.Value = false;
    t.painter.redraw(0, true);
    EXPECT_EQ(t.s.lastState, 0);
}

TEST(ButtonPainter, FaceAndHoverColours) {
    PaintBench t;
    t.painter.redraw(0, true);
    EXPECT_EQ(GetPixel(t.surface.hDC(), 5, 5), 0x204060u);
    t.s.isOver = true;
    t.painter.redraw(0, true);
    EXPECT_EQ(GetPixel(t.surface.hDC(), 5, 5), 0x00C000u);
    // The hover paint borrows BackOver and gives everything back.
    EXPECT_EQ(t.s.BackColor, 0x204060);
    EXPECT_EQ(t.s.colors.cFace, 0x204060);
    EXPECT_EQ(t.s.colors.cShadow, shiftColor(0x204060, -64, false, false));
    // Only the custom scheme hovers in BackOver.
    t.s.ColorScheme = schemeFixed;
    setColors(t.s, t.surface.hwnd());
    t.painter.redraw(0, true);
    EXPECT_EQ(GetPixel(t.surface.hDC(), 5, 5), 0xC0C0C0u);
}
