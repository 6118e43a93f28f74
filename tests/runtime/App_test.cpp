#include "runtime/App.h"

#include <gtest/gtest.h>

#include "runtime/Form.h"

TEST(App, VersionFromTheResourceAndTheExecutablesFolder) {
    EXPECT_EQ(rt::App::major() * 100 + rt::App::minor() * 10 + rt::App::revision(), 163);
    EXPECT_EQ(rt::App::title(), L"tarnwicket");
    EXPECT_EQ(rt::App::exeName(), L"runtime_App_test");
    EXPECT_NE(GetFileAttributesW((rt::App::path() + L"\\runtime_App_test.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

namespace {
struct PlainForm : rt::Form {
    PlainForm() : rt::Form(rt::FormLayout{.caption = L"plain", .clientWidthTwips = 9135, .clientHeightTwips = 7320}) {}
    int loads = 0, unloads = 0, cancelNext = 0;
    void Form_Load() override { ++loads; }
    void Form_Unload(int& cancel) override { ++unloads, cancel = cancelNext; }
};
}  // namespace

// The main window's size and style are checked on the real launcher (Startup_test).
TEST(Form, UnloadCanBeCancelled) {
    PlainForm f;
    f.Show();
    EXPECT_EQ(f.loads, 1);
    f.cancelNext = 1;
    SendMessageW(f.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(f.isLoaded());
    f.cancelNext = 0;
    SendMessageW(f.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(f.unloads, 2);
}
