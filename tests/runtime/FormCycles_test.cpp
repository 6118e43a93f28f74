// Loading, showing and unloading forms, without real input (so that it may
// run beside other tests): many cycles cost nothing lasting.
#include <gtest/gtest.h>

#include "common/TestForm.h"
#include "runtime/MessagePump.h"

using namespace testenv;

TEST(FormLifecycle, FiveHundredCyclesLeaveNoHandlesNoWindowsAndNoLoadedForm) {
    TestForm f;
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
