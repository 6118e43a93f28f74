// Loading, showing and unloading forms, without real input (so that it may
// run beside other tests): many cycles cost nothing lasting.
#include <gtest/gtest.h>

#include "common/TestEnv.h"
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

// The button (fourth in Tab order) finds a text where its font is stored,
// or an event is bound to a control the form lacks: the error reaches the
// caller, and nothing of the form stays.
TEST(FormLifecycle, AControlThatCannotReadItsStoredFormLeavesNothingLoaded) {
    auto fontAsText = [](rt::FormLayout& l) { l.controls[2].properties.WriteProperty(L"FONT", rt::Variant(L"Arial")); };
    auto bindMissing = [](TestForm& f) { f.image(L"imgMissing").Click = [] {}; };
    const std::tuple<std::function<void(rt::FormLayout&)>, std::function<void(TestForm&)>, int32_t> rows[] = {
        {fontAsText, nullptr, rt::errTypeMismatch},
        {nullptr, bindMissing, rt::errSubscript},
    };
    for (const auto& [change, bind, error] : rows) {
        TestForm f(change);
        f.bind = bind;
        long gdi = rt::gdiOwnedCount();
        int windows = threadWindowCount(), forms = rt::Form::loadedForms();
        EXPECT_EQ(raisedError([&] { f.Show(); }), error);
        EXPECT_EQ(std::make_tuple(f.isLoaded(), f.events.size(), rt::Form::loadedForms(), threadWindowCount()),
                  std::make_tuple(false, size_t{0}, forms, windows))
            << error;
        EXPECT_EQ(rt::gdiOwnedCount(), gdi) << error;
    }
}
