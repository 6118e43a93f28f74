// tarnwicket.exe started with a settings key it cannot write.
// ctest-lock: settings-key
// ctest-lock: adapters
#include <gtest/gtest.h>

#include "common/LauncherProcess.h"
#include "common/TraceCapture.h"

using testenv::kSettingsKey;

namespace {

const char kToolsKey[] = "Software\\mornveldt\\tools";

}  // namespace

TEST(Startup, ASettingsKeyThatCannotBeWrittenCostsOneTraceLinePerValueAndTheWindowStillCloses) {
    testenv::regDeleteTree(HKEY_CURRENT_USER, kToolsKey);
    // A volatile parent key refuses ordinary subkeys, so the settings key cannot be created. Its own
    // parent must not be made volatile with it: later tests could not create the key then.
    HKEY tools = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\mornveldt", &tools), ERROR_SUCCESS);
    RegCloseKey(tools);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kToolsKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &tools, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(tools);
    testenv::TraceCapture capture;
    {
        testenv::LauncherProcess app;
        HWND main = app.window(testenv::kMainCaption);
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(testenv::regStored(HKEY_CURRENT_USER, kSettingsKey, "path"));
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(app.ended());
    }
    std::vector<std::string> errors;
    for (const auto& m : capture.messages("tarnwicket"))
        if (m.rfind("Error (", 0) == 0) errors.push_back(m);
    std::string prefix =
        "Error (26001):Failed to set registry value Key: '-2147483647',Section: "
        "'Software\\mornveldt\\tools\\tarnwicket',Key: '";
    ASSERT_EQ(errors.size(), 7u);  // two values at start, the five options when the window closes
    EXPECT_EQ(errors[0].rfind(prefix + "path' to value: '", 0), 0u) << errors[0];
    EXPECT_EQ(errors[1], prefix + "version' to value: '1.6.0.3' Modul modMain; procedure: Main\t");
    const std::string unload = " Formular frmMain; procedure: Form_Unload\t";
    for (size_t i = 2; i < errors.size(); ++i)
        EXPECT_EQ(errors[i].substr(errors[i].size() - unload.size()), unload) << errors[i];
    testenv::regDeleteTree(HKEY_CURRENT_USER, kToolsKey);
}
