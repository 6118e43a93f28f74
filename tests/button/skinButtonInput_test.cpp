// ctest-serial
#include <gtest/gtest.h>

#include <algorithm>

#include "common/ButtonRecorder.h"
#include "common/ControlHost.h"
#include "common/TestEnv.h"

using namespace testenv;
using Log = std::vector<std::wstring>;

namespace {

struct Placed {
    button::skinButton b;
    ButtonRecorder rec{b};
    Placed(ControlHost& host, const wchar_t* name, RECT at, const wchar_t* caption = L"") {
        b.place(host.container(), name, at);
        b.Caption(caption);
        b.show();
    }
};

// A host with one button, the pointer resting on the host beside it.
struct OneButton {
    ControlHost host;
    Placed one{host, L"one", {20, 20, 120, 45}, L"&Start game..."};
    OneButton() {
        pointerTo(host.hwnd(), 5, 5);
        settle(50);
        one.rec.log.clear();
    }
    void pointerOnButton() { pointerTo(one.b.hwnd(), 50, 12); }
    const Log& log() const { return one.rec.log; }
};

// Leaving the pointer on the button would keep the hover timer running
// into the next test.
void waitForMouseOut(OneButton& t) {
    pointerTo(t.host.hwnd(), 5, 5);
    pumpUntil([&] { return !t.one.b.state().isOver; }, 1000);
}

}  // namespace

TEST(skinButtonInput, LeftClickPressesReleasesThenClicksOnARefreshedSurface) {
    OneButton t;
    t.pointerOnButton();
    t.one.b.events.Click = [&] {
        RECT pending;
        t.one.rec.log.push_back(GetUpdateRect(t.one.b.hwnd(), &pending, FALSE) ? L"Click stale"
                                                                                : L"Click [" + std::to_wstring(t.one.b.state().lastState) + L"]");
    };
    t.one.rec.log.clear();
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.log(), (Log{L"MouseDown 1 0 [0]", L"MouseUp 1 0 [2]", L"Click [0]"}));
    EXPECT_EQ(GetFocus(), t.one.b.hwnd());
    waitForMouseOut(t);
}

TEST(skinButtonInput, RightAndMiddleButtonsNeverClick) {
    OneButton t;
    t.pointerOnButton();
    t.one.rec.log.clear();
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    mouseButton(MOUSEEVENTF_MIDDLEDOWN);
    mouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_EQ(t.log(), (Log{L"MouseDown 2 0 [0]", L"MouseUp 2 0 [0]", L"MouseDown 4 0 [0]", L"MouseUp 4 0 [2]"}));
    waitForMouseOut(t);
}

TEST(skinButtonInput, MouseDownHandlerTurningTheButtonRightCancelsTheClick) {
    OneButton t;
    t.one.b.events.MouseDown = [](int16_t& button, int16_t&, float&, float&) { button = 2; };
    t.pointerOnButton();
    t.one.rec.log.clear();
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.log(), (Log{L"MouseUp 1 0 [0]"}));
    waitForMouseOut(t);
}

TEST(skinButtonInput, DoubleClickPressesAgainAndCaptures) {
    OneButton t;
    t.pointerOnButton();
    t.one.rec.log.clear();
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GetCapture(), t.one.b.hwnd());
    EXPECT_EQ(t.one.b.state().lastState, 2);
    mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(t.log(), (Log{L"MouseDown 1 0 [0]", L"MouseUp 1 0 [2]", L"Click [0]", L"MouseDown 1 0 [0]",
                            L"MouseUp 1 0 [2]"}));
    EXPECT_EQ(GetCapture(), nullptr);
    waitForMouseOut(t);
}

TEST(skinButtonInput, DisabledButtonDoesNotClick) {
    OneButton t;
    t.one.b.Enabled(false);
    t.pointerOnButton();
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    altKey('S');
    EXPECT_EQ(t.log(), Log{});
}

TEST(skinButtonInput, CheckBoxFlipsValueAtEachClick) {
    OneButton t;
    t.one.b.CheckBoxBehaviour(true);
    t.pointerOnButton();
    std::vector<int> values;
    t.one.b.events.Click = [&] { values.push_back(t.one.b.Value() ? t.one.b.state().lastState : -1); };
    for (int i = 0; i < 3; ++i) {
        mouseButton(MOUSEEVENTF_LEFTDOWN);
        mouseButton(MOUSEEVENTF_LEFTUP);
        settle(600);  // no double click
    }
    // Checked shows pressed; unchecked goes back up.
    EXPECT_EQ(values, (std::vector<int>{2, -1, 2}));
    waitForMouseOut(t);
}

TEST(skinButtonInput, SpaceClicksUnlessAnotherKeyCameBetween) {
    OneButton t;
    SetFocus(t.one.b.hwnd());
    t.one.rec.log.clear();
    tapKey(VK_SPACE);
    EXPECT_EQ(t.log(), (Log{L"KeyDown 32 [0]", L"KeyPress 32 [2]", L"KeyUp 32 [2]", L"Click [0]"}));
    t.one.rec.log.clear();
    key(VK_SPACE, false);
    tapKey('Q');
    key(VK_SPACE, true);
    EXPECT_EQ(t.log(), (Log{L"KeyDown 32 [0]", L"KeyPress 32 [2]", L"KeyDown 81 [2]", L"KeyPress 113 [2]",
                            L"KeyUp 81 [2]", L"KeyUp 32 [2]"}));
}

// The access key takes the focus, so the key's release reaches that button.
TEST(skinButtonInput, AccessKeyClicksEvenAfterARightPress) {
    OneButton t;
    Placed other(t.host, L"other", {20, 60, 120, 85}, L"&Cancel");
    t.pointerOnButton();
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    pointerTo(t.host.hwnd(), 5, 5);
    SetFocus(other.b.hwnd());
    t.one.rec.log.clear();
    altKey('S');
    EXPECT_EQ(t.log(), (Log{L"Click [0]", L"KeyUp 18 [0]"}));
    EXPECT_EQ(GetFocus(), t.one.b.hwnd());
    // Alone, while a button (which takes no characters) has the focus.
    SetFocus(other.b.hwnd());
    other.rec.log.clear();
    t.one.rec.log.clear();
    tapKey('S');
    EXPECT_EQ(t.log(), (Log{L"Click [0]", L"KeyUp 83 [0]"}));
    EXPECT_EQ(other.rec.log, (Log{L"KeyDown 83 [0]"}));
    // A key no caption has clicks nothing.
    altKey('Z');
    tapKey('Z');
    EXPECT_EQ(std::count(t.log().begin(), t.log().end(), L"Click [0]"), 1);
}

TEST(skinButtonInput, ArrowKeysMoveTheFocus) {
    ControlHost host;
    Placed a(host, L"a", {10, 10, 90, 30}), b(host, L"b", {10, 40, 90, 60}), c(host, L"c", {10, 70, 90, 90});
    SetFocus(b.b.hwnd());
    settle();
    const struct { WORD vk; HWND focus; } steps[] = {
        {VK_RIGHT, c.b.hwnd()}, {VK_LEFT, b.b.hwnd()}, {VK_UP, a.b.hwnd()}, {VK_DOWN, b.b.hwnd()},
        {VK_TAB, c.b.hwnd()},
    };
    for (const auto& s : steps) {
        tapKey(s.vk);
        settle(100);
        EXPECT_EQ(GetFocus(), s.focus) << s.vk;
    }
    EXPECT_TRUE(c.b.state().hasFocus);
    EXPECT_FALSE(b.b.state().hasFocus);
}

TEST(skinButtonInput, HoverRaisesMouseOverOnceAndMouseOutWithinATick) {
    OneButton t;
    t.pointerOnButton();
    pointerTo(t.one.b.hwnd(), 60, 15);
    pointerTo(t.one.b.hwnd(), 70, 10);
    EXPECT_EQ(t.log(), (Log{L"MouseOver [0]"}));
    EXPECT_TRUE(t.one.b.state().isOver);
    pointerTo(t.host.hwnd(), 5, 5);
    EXPECT_TRUE(pumpUntil([&] { return t.log().size() == 2; }, 200));
    EXPECT_EQ(t.log(), (Log{L"MouseOver [0]", L"MouseOut [0]"}));
    EXPECT_FALSE(t.one.b.state().isOver);
}

TEST(skinButtonInput, WindowLaidOverTheButtonEndsTheHover) {
    OneButton t;
    t.pointerOnButton();
    RECT r;
    GetWindowRect(t.one.b.hwnd(), &r);
    HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"BUTTON", L"", WS_POPUP, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(pumpUntil([&] { return t.log().size() == 2; }, 300));
    EXPECT_EQ(t.log(), (Log{L"MouseOver [0]", L"MouseOut [0]"}));
    DestroyWindow(cover);
    waitForMouseOut(t);
}

// Off: the up look (and the hover of the first entry ends); back on: the
// pressed look, without a new hover.
TEST(skinButtonInput, DraggingOffAndOnWithTheButtonHeld) {
    OneButton t;
    t.pointerOnButton();
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    t.one.rec.log.clear();
    t.one.rec.withMoves = true;
    pointerTo(t.host.hwnd(), 5, 5);
    pointerTo(t.one.b.hwnd(), 40, 12);
    pointerTo(t.one.b.hwnd(), 45, 12);
    EXPECT_FALSE(t.one.b.state().isOver);
    t.one.rec.withMoves = false;
    mouseButton(MOUSEEVENTF_LEFTUP);
    Log seen;
    for (const auto& e : t.log())
        if (seen.empty() || seen.back() != e) seen.push_back(e);
    seen.resize(std::min<size_t>(seen.size(), 6));
    EXPECT_EQ(seen, (Log{L"MouseMove 1 0 [2]", L"MouseOut [0]", L"MouseMove 1 0 [0]", L"MouseMove 1 0 [2]",
                         L"MouseUp 1 0 [2]", L"Click [0]"}));
    waitForMouseOut(t);
}

TEST(skinButtonInput, HandPointerShowsTheHandOverTheButton) {
    OneButton t;
    t.one.b.HandPointer(true);
    t.pointerOnButton();
    pointerTo(t.one.b.hwnd(), 52, 13);
    EXPECT_EQ(GetCursor(), t.one.b.MouseIcon()->icon());
    waitForMouseOut(t);
}
