// tarnwicket.exe itself, started as a user would, watched through its trace
// lines and what it leaves in the registry.
// ctest-lock: settings-key
#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "runtime/Ansi.h"
#include "runtime/Handles.h"

using testenv::kSettingsKey;

namespace {

const char kToolsKey[] = "Software\\mornveldt\\tools";

struct Startup : ::testing::Test {
    void SetUp() override { testenv::regDeleteTree(HKEY_CURRENT_USER, kToolsKey); }
    void TearDown() override {
        if (process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process.get(), 1);
        testenv::regDeleteTree(HKEY_CURRENT_USER, kToolsKey);
    }

    // Starts the launcher; its main window once visible (null when it never is).
    HWND start() {
        std::wstring cmd = L"\"" + testenv::buildDir() + L"\\tarnwicket.exe\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return nullptr;
        process.reset(pi.hProcess);
        thread.reset(pi.hThread);
        HWND main = nullptr;
        testenv::pumpUntil(
            [&] { return (main = FindWindowW(nullptr, L"tarnwicket - 1.6.3")) && IsWindowVisible(main); }, 20000);
        return main;
    }
    // Closes the main window; true when the process ended.
    bool close(HWND main) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        return testenv::pumpUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, 10000);
    }
    testenv::TraceCapture capture;
    rt::unique_hfile process, thread;
};

}  // namespace

TEST_F(Startup, RecordsFolderAndVersionTracesAndEndsWhenClosed) {
    HWND main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(testenv::regStored(HKEY_CURRENT_USER, kSettingsKey, "path"),
              testenv::sz(rt::toAnsi(testenv::buildDir()) + "\\"));
    EXPECT_EQ(testenv::regStored(HKEY_CURRENT_USER, kSettingsKey, "version"), testenv::sz("1.6.0.3"));
    RECT rc;
    GetClientRect(main, &rc);
    EXPECT_EQ(rc.right * 1000 + rc.bottom, 609488);
    EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & WS_MAXIMIZEBOX, 0);
    EXPECT_TRUE(close(main));
    auto m = capture.messages("tarnwicket");
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(m.front(), "modMain.Main\t");
    EXPECT_NE(std::find(m.begin(), m.end(), "modMain.unloadApp\t"), m.end());
    EXPECT_EQ(std::count_if(m.begin(), m.end(), [](auto& s) { return s.rfind("Error (", 0) == 0; }), 0);
}

TEST_F(Startup, ASettingsKeyThatCannotBeWrittenCostsOneTraceLinePerValue) {
    // A volatile parent key refuses ordinary subkeys, so the settings key cannot be created.
    HKEY tools = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kToolsKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &tools, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(tools);
    HWND main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(testenv::regStored(HKEY_CURRENT_USER, kSettingsKey, "path"));
    std::vector<std::string> errors;
    for (const auto& m : capture.messages("tarnwicket"))
        if (m.rfind("Error (", 0) == 0) errors.push_back(m);
    std::string prefix =
        "Error (26001):Failed to set registry value Key: '-2147483647',Section: "
        "'Software\\mornveldt\\tools\\tarnwicket',Key: '";
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].rfind(prefix + "path' to value: '", 0), 0u) << errors[0];
    EXPECT_EQ(errors[1], prefix + "version' to value: '1.6.0.3' Modul modMain; procedure: Main\t");
    EXPECT_TRUE(close(main));
}
