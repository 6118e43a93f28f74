// tarnwicket.exe itself, started as a user would, watched through its trace
// lines and what it leaves in the registry.
// ctest-lock: settings-key
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "common/TestEnv.h"
#include "common/TraceCapture.h"

namespace {

const wchar_t kSettingsKey[] = L"Software\\mornveldt\\tools\\tarnwicket";
const wchar_t kToolsKey[] = L"Software\\mornveldt\\tools";

std::wstring readSz(const wchar_t* value) {
    wchar_t buf[1024] = {};
    DWORD size = sizeof buf;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, value, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buf;
}

class Launcher {
public:
    Launcher() {
        std::wstring exe = testenv::buildDir() + L"\\tarnwicket.exe";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        std::wstring cmd = L"\"" + exe + L"\"";
        started_ = CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
    }
    ~Launcher() {
        if (!started_) return;
        if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    bool started() const { return started_; }

    // The main window, once it is visible.
    HWND waitForMainWindow() {
        HWND found = nullptr;
        testenv::pumpUntil(
            [&] {
                found = FindWindowW(nullptr, L"tarnwicket - 1.6.3");
                return found && IsWindowVisible(found);
            },
            20000);
        return found;
    }

    bool waitForExit(DWORD ms) {
        return testenv::pumpUntil([&] { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_OBJECT_0; }, ms);
    }

private:
    PROCESS_INFORMATION pi_{};
    bool started_ = false;
};

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        SHDeleteKeyW(HKEY_CURRENT_USER, kToolsKey);
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, kToolsKey); }
};

}  // namespace

TEST_F(Startup, RecordsFolderAndVersionTracesAndEndsWhenClosed) {
    testenv::TraceCapture capture;
    Launcher app;
    ASSERT_TRUE(app.started());
    HWND main = app.waitForMainWindow();
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(readSz(L"path"), testenv::buildDir() + L"\\");
    EXPECT_EQ(readSz(L"version"), L"1.6.0.3");
    RECT rc;
    GetClientRect(main, &rc);
    EXPECT_EQ(rc.right, 609);
    EXPECT_EQ(rc.bottom, 488);
    EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & WS_MAXIMIZEBOX, 0);

    // Other test programs may trace to the same window: look at the launcher's lines only.
    ASSERT_FALSE(capture.messagesFrom("tarnwicket").empty());
    EXPECT_EQ(capture.messagesFrom("tarnwicket").front(), "modMain.Main\t");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.waitForExit(10000));
    std::vector<std::string> messages = capture.messagesFrom("tarnwicket");
    EXPECT_NE(std::find(messages.begin(), messages.end(), "modMain.unloadApp\t"), messages.end());
    for (const auto& m : messages) EXPECT_EQ(m.find("Error ("), std::string::npos) << m;
}

TEST_F(Startup, ASettingsKeyThatCannotBeWrittenCostsOneTraceLinePerValue) {
    // A volatile parent key refuses ordinary subkeys, so the settings key cannot be created.
    HKEY tools = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kToolsKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &tools, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(tools);

    testenv::TraceCapture capture;
    Launcher app;
    ASSERT_TRUE(app.started());
    HWND main = app.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(readSz(L"path"), L"<missing>");

    std::string prefix = "Error (26001):Failed to set registry value Key: '-2147483647',Section: "
                         "'Software\\mornveldt\\tools\\tarnwicket',Key: '";
    std::vector<std::string> errors;
    for (const auto& m : capture.messagesFrom("tarnwicket"))
        if (m.rfind("Error (", 0) == 0) errors.push_back(m);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].rfind(prefix + "path' to value: '", 0), 0u) << errors[0];
    EXPECT_EQ(errors[1], prefix + "version' to value: '1.6.0.3' Modul modMain; procedure: Main\t");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.waitForExit(10000));
}
