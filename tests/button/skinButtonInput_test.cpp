#include <gtest/gtest.h>

#include "common/ButtonRecorder.h"
#include "common/ControlHost.h"

using namespace testenv;
using Log = std::vector<std::wstring>;

namespace {

struct Placed {
    button::skinButton b;
    ButtonRecorder rec{b};
    Placed(ControlHost& host, const wchar_t* name, RECT at) {
        b.place(host.container(), name, at);
        b.show();
    }
};

}  // namespace

TEST(skinButtonInput, LeftClick) {
    ControlHost host;
    Placed one(host, L"one", {20, 20, 120, 45});
    pointerTo(host.hwnd(), 5, 5);
    settle(100);
    pointerTo(one.b.hwnd(), 50, 12);
    one.rec.log.clear();
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(one.rec.log, (Log{L"MouseDown 1 0 [0]", L"MouseUp 1 0 [2]", L"Click [0]"}));
}
