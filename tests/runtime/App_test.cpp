#include "runtime/App.h"

#include <gtest/gtest.h>

TEST(App, VersionFromTheResourceAndTheExecutablesFolder) {
    EXPECT_EQ(rt::App::major() * 100 + rt::App::minor() * 10 + rt::App::revision(), 163);
    EXPECT_EQ(rt::App::exeName(), L"runtime_App_test");
    EXPECT_NE(GetFileAttributesW((rt::App::path() + L"\\runtime_App_test.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}
