// ctest-lock: appdata
#include "launcher/IpDiscovery.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include "common/TestEnv.h"
#include "launcher/frmSelect.h"
#include "launcher/modMain.h"
#include "support/cPathExt.h"

using modFunctions::getHamachiIp;
using modFunctions::readHamachiIpLine;

namespace {

// The ini file's ten lines, with lines 2 and 10 as given.
std::string iniWith(const std::string& line2, const std::string& line10) {
    return "[Hamachi]\r\n" + line2 + "\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\n" + line10 + "\r\n";
}

struct Hamachi : ::testing::Test {
    std::wstring folder = modMain::oPathExt().getSpecialPath(26) + L"\\Hamachi";
    std::wstring ini = folder + L"\\Hamachi.ini";
    void SetUp() override { CreateDirectoryW(folder.c_str(), nullptr); }
    void TearDown() override { testenv::removeTree(folder); }
};

}  // namespace

// Fewer than two valid entries: the dialog is never shown.
TEST(SelectDialog, TakesTheOnlyValidEntryInNormalFormWithoutAsking) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"5.12.34.56|0.0.0.0", L"|", L"5.12.34.56"}, {L"010.1.2.3||1.2.3.4", L"|", L"10.1.2.3"},
        {L"", L"|", L""}, {L"5.1.2.3|5.1.2.4", L"||", L""}};
    frmSelect& dialog = frmSelect::instance();
    for (auto [list, delimiter, expected] : cases) {
        std::wstring sIP = list, sDelimiter = delimiter;
        EXPECT_EQ(dialog.getIP(sIP, sDelimiter), expected) << testing::PrintToString(sIP);
        EXPECT_FALSE(dialog.Canceled());
        EXPECT_FALSE(dialog.isLoaded());
    }
}

TEST_F(Hamachi, LineTwoThenLineTenWhenItPassesTheCheck) {
    const std::tuple<std::string, std::string, const wchar_t*> cases[] = {
        {"5.12.34.56", "5.99.1.1", L"5.12.34.56"},
        {"", "5.99.1.1", L"5.99.1.1"},
        {"1.2.3", "IP=5.99.1.1,5.0.0.0", L"5.99.1.1"},
        {"5.012.0.1", "", L"5.012.0.1"},  // as read, not in normal form
        {"5.1.2.0", "nothing", L""},
    };
    for (const auto& [line2, line10, expected] : cases) {
        testenv::writeFile(ini, iniWith(line2, line10));
        EXPECT_EQ(getHamachiIp(), expected) << line2 << " / " << line10;
    }
    testenv::writeFile(ini, "a\r\nIP=5.12.34.56,5.0.0.0\r\n,5.1.2.3\r\nv 1.2;3-4\tx\r\n");
    const std::pair<int, const wchar_t*> lines[] = {{2, L"5.12.34.56"}, {3, L""}, {4, L"1.234"}, {10, L""}};
    for (const auto& [line, expected] : lines) EXPECT_EQ(readHamachiIpLine(line), expected) << line;
}

TEST_F(Hamachi, NoAppDataFolderLooksInTheCurrentFolder) {
    testenv::TempDir here(L"hamachi");
    CreateDirectoryW(here.file(L"Hamachi").c_str(), nullptr);
    testenv::writeFile(here.file(L"Hamachi\\Hamachi.ini"), iniWith("5.66.7.8", ""));
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(here.path.c_str());
    // The application-data folder on a drive that does not exist: the shell reports none.
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    auto saved = testenv::regStored(HKEY_CURRENT_USER, key, "AppData");
    testenv::regStore(HKEY_CURRENT_USER, key, "AppData", {REG_EXPAND_SZ, std::string("Q:\\nowhere\0", 11)});
    EXPECT_EQ(modMain::oPathExt().getSpecialPath(26), L"");
    EXPECT_EQ(getHamachiIp(), L"5.66.7.8");
    if (saved)
        testenv::regStore(HKEY_CURRENT_USER, key, "AppData", *saved);
    else
        SHDeleteValueA(HKEY_CURRENT_USER, key, "AppData");
    SetCurrentDirectoryW(previous);
}
