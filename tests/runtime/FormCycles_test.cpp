// Loading, showing and unloading forms, without real input (so that it may
// run beside other tests): many cycles cost nothing lasting.
#include <gtest/gtest.h>

#include "common/TestForm.h"
#include "runtime/MessagePump.h"

using namespace testenv;

TEST(FormLifecycle, ACancelledCloseThenFiveHundredCyclesLeaveNoHandlesAndNoWindows) {
    TestForm f;
    f.Show();
    // A close that Form_Unload cancels leaves it loaded; the next one unloads it
    // (or the counts below start one form and its windows too high).
    f.unloading = [](int& cancel) { cancel = 1; };
    SendMessageW(f.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(std::make_pair(f.events.back(), f.isLoaded()), std::make_pair(std::wstring(L"Form_Unload"), true));
    f.unloading = nullptr;
    SendMessageW(f.hwnd(), WM_CLOSE, 0, 0);
    long gdi = rt::gdiOwnedCount();
    int windows = threadWindowCount(), forms = rt::Form::loadedForms();
    for (int i = 0; i < 500; ++i) {
        f.Show();
        rt::DoEvents();
        f.Unload();
    }
    {
        TestForm dropped;  // destroyed while loaded
        dropped.Load();
    }
    EXPECT_EQ(std::make_tuple(rt::gdiOwnedCount().load(), threadWindowCount(), rt::Form::loadedForms()),
              std::make_tuple(gdi, windows, forms));
}
