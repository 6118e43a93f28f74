// ctest-lock: adapters
// ctest-lock: appdata
#include "launcher/IpDiscovery.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include "common/TestAdapters.h"
#include "common/TestEnv.h"
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

TEST(Adapters, FirstAddressOfEachAdapterInOrder) {
    if (!testenv::adaptersControllable()) GTEST_SKIP() << "not inside the suite's network namespace";
    const std::tuple<std::vector<std::string>, const wchar_t*, const wchar_t*> cases[] = {
        // count only grows
        {{}, L"|", L""},
        {{"10.1.2.3"}, L"|", L"10.1.2.3"},
        {{"10.1.2.3+10.1.2.4"}, L"|", L"10.1.2.3"},
        {{"-"}, L"|", L"0.0.0.0"},
        {{"10.1.2.3", "10.4.5.6", "192.168.7.8"}, L"|", L"10.1.2.3|10.4.5.6|192.168.7.8"},
        {{"10.1.2.3", "-", "192.168.7.8"}, L"", L"10.1.2.30.0.0.0192.168.7.8"},
    };
    for (const auto& [adapters, delimiter, expected] : cases) {
        ASSERT_EQ(testenv::setTestAdapters(adapters), "ok");
        EXPECT_EQ(modFunctions::getAdapterIps(delimiter), expected) << adapters.size() << " adapters";
    }
    testenv::setTestAdapters({});  // no addresses for the tests that follow
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
    DeleteFileW(ini.c_str());
    EXPECT_EQ(getHamachiIp(), L"");
}

TEST_F(Hamachi, AnUnreadableIniReachesTheCaller) {
    testenv::writeFile(ini, iniWith("5.12.34.56", ""));
    HANDLE held = CreateFileW(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(testenv::raisedError([] { getHamachiIp(); }), rt::errPermissionDenied);
    CloseHandle(held);
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
