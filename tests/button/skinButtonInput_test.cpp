// ctest-serial
#include <gtest/gtest.h>

#include "button/skinButton.h"
#include "common/ControlHost.h"
#include "common/TestEnv.h"

using namespace testenv;
using Log = std::vector<std::wstring>;

namespace {

// A button whose events are logged as text, each with the look it had
// painted last ("MouseUp 1 [2]": the pressed look was on). A Click that
// comes before the surface was refreshed shows as "stale".
struct Logged {
    button::skinButton b;
    Log log;
    Logged(ControlHost& host, const wchar_t* name, RECT at, const wchar_t* caption = L"") {
        b.place(host.container(), name, at);
        b.Caption(caption);
        b.show();
        auto mouse = [this](std::wstring what) {
            return [this, what](int16_t& button, int16_t&, float&, float&) { add(what + L" " + n(button)); };
        };
        b.events.MouseDown = mouse(L"MouseDown");
        b.events.MouseUp = mouse(L"MouseUp");
        b.events.Click = [this] {
            const bool stale = GetUpdateRect(b.hwnd(), nullptr, FALSE);
            add(std::wstring(L"Click") + (b.Value() ? L" checked" : L"") + (stale ? L" stale" : L""));
        };
        b.events.MouseOver = [this] { add(L"MouseOver"); };
        b.events.MouseOut = [this] { add(L"MouseOut"); };
        b.events.KeyDown = [this](int16_t& code, int16_t&) { add(L"KeyDown " + n(code)); };
        b.events.KeyUp = [this](int16_t& code, int16_t&) { add(L"KeyUp " + n(code)); };
        b.events.KeyPress = [this](int16_t& ascii) { add(L"KeyPress " + n(ascii)); };
    }
    static std::wstring n(int v) { return std::to_wstring(v); }
    void add(const std::wstring& what) { log.push_back(what + L" [" + n(b.state().lastState) + L"]"); }
};

enum Kind { Plain, Disabled, CheckBox, OtherTurnsXIntoS, Umlaut };
constexpr int LD = MOUSEEVENTF_LEFTDOWN, LU = MOUSEEVENTF_LEFTUP, RD = MOUSEEVENTF_RIGHTDOWN, RU = MOUSEEVENTF_RIGHTUP;
// Besides the mouse buttons: keys pressed and released, a wait longer than a
// double click may take, the pointer moved off the button, back on and
// within it, the focus given to the "&Cancel" button, an Alt character
// beyond ASCII posted as the system makes it, and a window laid over the
// button under the pointer (waited on until the button has seen it go), and
// a double click as the system counts one.
constexpr int down(int vk) { return 0x10000 | vk; }
constexpr int up(int vk) { return 0x20000 | vk; }
constexpr int altChar(wchar_t c) { return 0x40000 | c; }
constexpr int kPause = 1 << 20, kOff = 1 << 21, kOn = 1 << 22, kIn = 1 << 23, kOther = 1 << 24, kCover = 1 << 25,
              kDouble = 1 << 26;
constexpr int SP = VK_SPACE, ALT = VK_MENU;

// A window in front of `window`, over all of it, that takes no activation.
HWND coverOver(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"BUTTON", L"", WS_POPUP, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    return cover;
}

}  // namespace

// Each case starts with the pointer on the button and the focus in it.
TEST(skinButtonInput, EventsOfMouseAndKeys) {
    const struct { const char* name; Kind kind; std::vector<int> input; Log want; } cases[] = {
        // The second press of a double click comes as the double-click handling; its release clicks too.
        {"double", Plain, {kDouble},
         {L"MouseDown 1 [0]", L"MouseUp 1 [2]", L"Click [0]", L"MouseDown 1 [0]", L"MouseUp 1 [2]", L"Click [0]"}},
        {"drag off and on", Plain, {LD, kOff, kPause, kOn, LU, kIn},
         {L"MouseDown 1 [0]", L"MouseOut [0]", L"MouseUp 1 [2]", L"Click [0]", L"MouseOver [0]"}},
        // The hover timer notices the pointer has gone; entering again raises MouseOver once.
        {"off and on", Plain, {kOff, kPause, kOn, kIn}, {L"MouseOut [0]", L"MouseOver [0]"}},
        // Over means the pointer's window is the button's, not merely inside its rectangle.
        {"covered", Plain, {kCover}, {L"MouseOut [0]"}},
        // The access key takes the focus, so the key's release reaches the button.
        {"Alt+S after a right press", Plain, {RD, RU, kOther, down(ALT), down('S'), up('S'), up(ALT)},
         {L"MouseDown 2 [0]", L"MouseUp 2 [0]", L"Click [0]", L"KeyUp 18 [0]"}},
        // The focused button's KeyPress sees a character before it counts as an access key.
        {"X made S by KeyPress", OtherTurnsXIntoS, {kOther, down('X'), up('X')}, {L"Click [0]", L"KeyUp 88 [0]"}},
        {"Space checks", CheckBox, {down(SP), up(SP)},
         {L"KeyDown 32 [0]", L"KeyPress 32 [2]", L"KeyUp 32 [2]", L"Click checked [2]"}},
        // "&\u00C4rger" answers Alt with the small letter too.
        {"Alt+\u00E4", Umlaut, {altChar(L'\u00E4')}, {L"Click [0]"}},
        {"disabled", Disabled, {LD, LU, kOther, down(ALT), down('S'), up('S'), up(ALT)}, {}},
    };
    for (const auto& c : cases) {
        ControlHost host;
        Logged one(host, L"one", {20, 20, 120, 45}, L"&Start game...");
        Logged other(host, L"other", {20, 60, 120, 85}, L"&Cancel");
        button::skinButton& b = one.b;
        if (c.kind == OtherTurnsXIntoS)
            other.b.events.KeyPress = [](int16_t& ascii) { ascii = ascii == 'x' ? 's' : ascii; };
        if (c.kind == Umlaut) b.Caption(L"&\u00C4rger");
        b.Enabled(c.kind != Disabled);
        b.CheckBoxBehaviour(c.kind == CheckBox);
        pointerTo(host.hwnd(), 5, 5);
        pointerTo(b.hwnd(), 50, 12);
        SetFocus(b.hwnd());
        one.log.clear();
        HWND cover = nullptr;
        for (int in : c.input) {
            if (in == kPause) settle(GetDoubleClickTime() + 100);
            else if (in == kOff) pointerTo(host.hwnd(), 5, 5);
            else if (in == kOn || in == kIn) pointerTo(b.hwnd(), in == kOn ? 40 : 60, 12);
            else if (in == kOther) SetFocus(other.b.hwnd());
            else if (in == kDouble) doubleClick(b.hwnd(), 50, 12, [&] { return one.log.size() == 3; });
            else if (in == kCover) cover = coverOver(b.hwnd()), pumpUntil([&] { return !one.log.empty(); }, 2000);
            else if (in & 0x40000) PostMessageW(b.hwnd(), WM_SYSCHAR, in & 0xFFFF, 1 << 29), settle();
            else if (in > 0xFFFF) key(static_cast<WORD>(in & 0xFF), in & 0x20000);
            else mouseButton(in);
        }
        EXPECT_EQ(one.log, c.want) << c.name;
        EXPECT_EQ(GetCapture(), nullptr) << c.name;
        if (cover) DestroyWindow(cover);
        pointerTo(host.hwnd(), 5, 5);  // left on the button, the pointer would keep its hover timer running
    }
}

TEST(skinButtonInput, ArrowKeysMoveTheFocus) {
    ControlHost host;
    Logged a(host, L"a", {10, 10, 90, 30}), b(host, L"b", {10, 40, 90, 60}), c(host, L"c", {10, 70, 90, 90});
    SetFocus(b.b.hwnd());
    std::vector<HWND> focus;
    for (WORD vk : {VK_RIGHT, VK_LEFT, VK_UP, VK_DOWN}) key(vk, false), key(vk, true), focus.push_back(GetFocus());
    EXPECT_EQ(focus, (std::vector<HWND>{c.b.hwnd(), b.b.hwnd(), a.b.hwnd(), b.b.hwnd()}));
    EXPECT_EQ(std::make_pair(a.b.state().hasFocus, b.b.state().hasFocus), std::make_pair(false, true));
}
