#include <gtest/gtest.h>

#include "button/ButtonColors.h"
#include "button/ButtonPainter.h"
#include "common/ControlHost.h"

using namespace button;

namespace {

struct PaintBench {
    testenv::ControlHost host;
    rt::UserControl surface;
    ButtonState s;
    ButtonPainter painter{s, surface};
    PaintBench() {
        surface.place(host.container(), L"surface", {0, 0, 40, 20});
        s.Wi = 40;
        s.ColorScheme = schemeCustom;
        s.BackColor = 0x204060;
        s.BackOver = 0x00C000;
        setColors(s, surface.hwnd());
    }
    COLORREF pixel() { return GetPixel(surface.hDC(), 5, 5); }
};

}  // namespace

// A paint needs a height and refreshOn, and is skipped when state and caption
// repeat the last paint unless forced; a checked check box paints pressed.
TEST(ButtonPainter, SkipAndCheckBoxRules) {
    PaintBench t;
    // height, refreshOn, checked check box, state, forced, caption -> paints, lastState
    const struct { int he; bool on, chk; uint8_t st; bool force; const wchar_t* cap; bool paint; int last; } steps[] = {
        {20, true, false, 0, false, L"a", true, 0},
        {20, true, false, 0, false, L"a", false, 0},
        {20, true, false, 0, true, L"a", true, 0},
        {20, true, false, 2, false, L"a", true, 2},
        {20, true, false, 2, false, L"b", true, 2},
        {20, true, false, 2, false, L"B", true, 2},
        {0, true, false, 0, true, L"c", false, 2},
        {20, false, false, 0, true, L"c", false, 2},
        {20, true, true, 0, true, L"c", true, 2},
    };
    std::wstring lastCaption;
    for (const auto& st : steps) {
        t.s.He = st.he;
        t.s.refreshOn = st.on;
        t.s.CheckBoxBehaviour = t.s.Value = st.chk;
        t.s.Caption = st.cap;
        SetPixelV(t.surface.hDC(), 5, 5, RGB(255, 0, 255));
        t.painter.redraw(st.st, st.force);
        if (st.paint) lastCaption = st.cap;
        EXPECT_EQ(t.pixel() != RGB(255, 0, 255), st.paint) << int(st.st) << " " << st.cap;
        EXPECT_EQ(t.s.lastState, st.last) << int(st.st) << " " << st.cap;
        EXPECT_EQ(t.s.lastCaption, lastCaption);
    }
}

// The face is filled with BackColor; hovered, the custom scheme paints with
// BackOver and gives the colours back afterwards, the others do not.
TEST(ButtonPainter, FaceAndHoverColours) {
    PaintBench t;
    t.s.He = 20;
    t.s.refreshOn = true;
    t.painter.redraw(0, true);
    EXPECT_EQ(t.pixel(), 0x204060u);
    t.s.isOver = true;
    t.painter.redraw(0, true);
    EXPECT_EQ(t.pixel(), 0x00C000u);
    EXPECT_EQ(t.s.colors.cShadow, shiftColor(0x204060, -64, false, false));
    t.s.ColorScheme = schemeFixed;
    setColors(t.s, t.surface.hwnd());
    t.painter.redraw(0, true);
    EXPECT_EQ(t.pixel(), 0xC0C0C0u);
}
