// ctest-serial
#include <gtest/gtest.h>

#include "common/ControlHost.h"
#include "common/TestEnv.h"
#include "runtime/ChildTimer.h"
#include "runtime/SendKeys.h"
#include "runtime/UserControl.h"

using namespace testenv;
using Log = std::vector<std::wstring>;

namespace {

// A control that only records what its surface tells it.
class Probe : public rt::UserControl {
public:
    Log log;

protected:
    void UserControl_MouseDown(int16_t b, int16_t, float, float) override { add(L"MouseDown", b); }
    void UserControl_MouseUp(int16_t b, int16_t, float, float) override { add(L"MouseUp", b); }
    void UserControl_Click() override { log.push_back(L"Click"); }
    void UserControl_DblClick() override { log.push_back(L"DblClick"); }
    void UserControl_AccessKeyPress(int16_t k) override { add(L"AccessKeyPress", k); }
    void UserControl_GotFocus() override { log.push_back(L"GotFocus"); }
    void UserControl_LostFocus() override { log.push_back(L"LostFocus"); }
    void UserControl_Resize() override { log.push_back(L"Resize"); }

private:
    void add(const wchar_t* what, int v) { log.push_back(std::wstring(what) + L" " + std::to_wstring(v)); }
};

struct Bench {
    ControlHost host;
    Probe a, b;
    Bench() {
        a.place(host.container(), L"a", {10, 10, 110, 40});
        b.place(host.container(), L"b", {10, 50, 110, 80});
        a.show();
        b.show();
        settle();
        a.log.clear();
        b.log.clear();
    }
};

COLORREF screenPixel(HWND hwnd, int x, int y) {
    rt::unique_hdc_window dc(hwnd);
    return GetPixel(dc.get(), x, y);
}

}  // namespace

TEST(UserControl, SurfaceKeepsItsPictureAndShowsItOnPaint) {
    Bench t;
    RECT all{0, 0, 100, 30};
    rt::unique_hbrush red(CreateSolidBrush(RGB(200, 0, 0)));
    FillRect(t.a.hDC(), &all, red.get());
    t.a.Refresh();
    EXPECT_EQ(screenPixel(t.a.hwnd(), 50, 15), RGB(200, 0, 0));
    // Covered and uncovered, or made larger, it still shows what was drawn.
    InvalidateRect(t.a.hwnd(), nullptr, TRUE);
    t.a.move({10, 10, 150, 45});
    settle();
    EXPECT_EQ(screenPixel(t.a.hwnd(), 50, 15), RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(t.a.hDC(), 120, 30), t.a.surfaceBackColor());
    t.a.Cls();
    EXPECT_EQ(GetPixel(t.a.hDC(), 50, 15), t.a.surfaceBackColor());
}

TEST(UserControl, FontAttributesReachTheSurface) {
    Bench t;
    rt::FontRef font = std::make_shared<rt::StdFont>(L"Arial", 20);
    t.a.setFont(font);
    TEXTMETRICW small{}, big{};
    GetTextMetricsW(t.a.hDC(), &small);
    t.a.Font()->setSize(40);
    t.a.fontChanged();
    GetTextMetricsW(t.a.hDC(), &big);
    EXPECT_GT(big.tmHeight, small.tmHeight);
    EXPECT_EQ(font->size(), 20.0);  // the control's copy changed, not the original
}

TEST(UserControl, ClicksAndDoubleClicks) {
    Bench t;
    pointerTo(t.a.hwnd(), 30, 10);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.a.log, (Log{L"GotFocus", L"MouseDown 1", L"MouseUp 1", L"Click", L"DblClick", L"MouseUp 1"}));
    t.a.log.clear();
    settle(600);
    // A press that ends elsewhere is no click; a right click is one.
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    pointerTo(t.host.hwnd(), 200, 200);
    mouseButton(MOUSEEVENTF_LEFTUP);
    pointerTo(t.a.hwnd(), 30, 10);
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(t.a.log, (Log{L"MouseDown 1", L"MouseUp 1", L"MouseDown 2", L"MouseUp 2", L"Click"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(UserControl, TabOrderAccessKeysAndTheKeystrokeQueue) {
    Bench t;
    t.b.setAccessKeys(L"k");
    SetFocus(t.a.hwnd());
    settle();
    t.a.log.clear();
    tapKey(VK_TAB);
    EXPECT_EQ(GetFocus(), t.b.hwnd());
    rt::SendKeys(L"+{Tab}");
    settle(100);
    EXPECT_EQ(GetFocus(), t.a.hwnd());
    altKey('K');
    EXPECT_EQ(GetFocus(), t.b.hwnd());
    EXPECT_EQ(t.b.log, (Log{L"GotFocus", L"LostFocus", L"GotFocus", L"AccessKeyPress 107"}));
    // A disabled or hidden control has no access key.
    t.b.setEnabled(false);
    SetFocus(t.a.hwnd());
    altKey('K');
    EXPECT_EQ(GetFocus(), t.a.hwnd());
}

TEST(UserControl, ChildTimerTicksOnlyWhileEnabled) {
    int ticks = 0;
    rt::ChildTimer timer([&] { ++ticks; }, 3);
    rt::pumpMessagesFor(50);
    EXPECT_EQ(ticks, 0);
    timer.Enabled(true);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 3; }, 1000));
    timer.Enabled(false);
    int stopped = ticks;
    rt::pumpMessagesFor(60);
    EXPECT_EQ(ticks, stopped);
}

TEST(UserControl, OutlivingItsContainerIsHarmless) {
    Probe p;
    {
        ControlHost host;
        p.place(host.container(), L"p", {0, 0, 20, 20});
    }
    p.PropertyChanged(L"KEY");
    EXPECT_EQ(p.container(), nullptr);
    EXPECT_TRUE(p.AmbientUserMode());
}
