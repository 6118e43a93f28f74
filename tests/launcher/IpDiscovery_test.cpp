// ctest-lock: adapters
// ctest-lock: appdata
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "common/RaisedError.h"
#include "common/ScratchFolder.h"
#include "common/TestAdapters.h"
#include "common/TestEnv.h"
#include "common/TestFiles.h"
#include "launcher/IpDiscovery.h"
#include "launcher/modMain.h"
#include "support/cPathExt.h"

using modFunctions::getAdapterIps;
using modFunctions::getHamachiIp;
using modFunctions::readHamachiIpLine;

namespace {

struct AdapterTest : ::testing::Test {
    void SetUp() override {
        if (!testenv::adaptersControllable()) GTEST_SKIP() << "not inside the suite's network namespace";
    }
    // Leaves the adapters without addresses for the tests that follow.
    void TearDown() override {
        if (testenv::adaptersControllable()) testenv::setTestAdapters({});
    }
};

// The ini file's ten lines, with lines 2 and 10 as given.
std::string iniWith(const std::string& line2, const std::string& line10) {
    return "[Hamachi]\r\n" + line2 + "\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\nx\r\n" + line10 + "\r\n";
}

struct HamachiTest : ::testing::Test {
    std::wstring folder = modMain::oPathExt().getSpecialPath(26) + L"\\Hamachi";
    std::wstring ini = folder + L"\\Hamachi.ini";

    void SetUp() override { CreateDirectoryW(folder.c_str(), nullptr); }
    void TearDown() override { testenv::removeTree(folder); }
};

// Points the application-data folder at a drive that does not exist, so the
// shell reports none; put back afterwards.
class NoAppDataFolder {
public:
    NoAppDataFolder() {
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        DWORD size = sizeof saved_;
        hadValue_ = RegQueryValueExW(key_, L"AppData", nullptr, &type_, reinterpret_cast<BYTE*>(saved_), &size) ==
                    ERROR_SUCCESS;
        savedSize_ = size;
        const wchar_t nowhere[] = L"Q:\\nowhere\\appdata";
        RegSetValueExW(key_, L"AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(nowhere), sizeof nowhere);
    }
    ~NoAppDataFolder() {
        if (hadValue_)
            RegSetValueExW(key_, L"AppData", 0, type_, reinterpret_cast<const BYTE*>(saved_), savedSize_);
        else
            RegDeleteValueW(key_, L"AppData");
        RegCloseKey(key_);
    }

private:
    static constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD type_ = 0, savedSize_ = 0;
    wchar_t saved_[MAX_PATH] = {};
};

}  // namespace

TEST(TrimNull, CutsAtTheFirstNul) {
    EXPECT_EQ(modFunctions::trimNull(std::wstring(L"10.0.0.1\0\0\0", 11)), L"10.0.0.1");
    EXPECT_EQ(modFunctions::trimNull(std::wstring(L"\0" L"1.2.3.4", 8)), L"");
    EXPECT_EQ(modFunctions::trimNull(L""), L"");
    EXPECT_EQ(modFunctions::trimNull(L"5.1.2.3"), L"5.1.2.3");
}

TEST_F(AdapterTest, FirstAddressOfEachAdapterInOrder) {
    struct Case {
        std::vector<std::string> adapters;
        const wchar_t* delimiter;
        const wchar_t* expected;
    } cases[] = {  // the adapter count only grows (see setTestAdapters)
        {{}, L"|", L""},
        {{"10.1.2.3"}, L"|", L"10.1.2.3"},
        {{"10.1.2.3+10.1.2.4"}, L"|", L"10.1.2.3"},
        {{"-"}, L"|", L"0.0.0.0"},
        {{"10.1.2.3", "-"}, L"|", L"10.1.2.3|0.0.0.0"},
        {{"10.1.2.3", "10.4.5.6", "192.168.7.8"}, L"|", L"10.1.2.3|10.4.5.6|192.168.7.8"},
        {{"10.1.2.3", "10.4.5.6", "192.168.7.8"}, L"", L"10.1.2.310.4.5.6192.168.7.8"},
        {{"10.1.2.3", "10.4.5.6", "10.1.2.3"}, L", ", L"10.1.2.3, 10.4.5.6, 10.1.2.3"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(testenv::setTestAdapters(c.adapters), "ok");
        EXPECT_EQ(getAdapterIps(c.delimiter), c.expected) << c.adapters.size() << " adapters";
    }
}

TEST_F(HamachiTest, LineTwoThenLineTenWhenItPassesTheCheck) {
    struct Case {
        std::string line2, line10;
        const wchar_t* expected;
    } cases[] = {
        {"5.12.34.56", "5.99.1.1", L"5.12.34.56"},
        {"", "5.99.1.1", L"5.99.1.1"},
        {"1.2.3", "IP=5.99.1.1,5.0.0.0", L"5.99.1.1"},
        {"# 5.1.2.3", "", L"5.1.2.3"},
        {"5.012.0.1", "", L"5.012.0.1"},  // as read, not in normal form
        {"5.1.2.0", "nothing", L""},
    };
    for (const auto& c : cases) {
        testenv::writeFile(ini, iniWith(c.line2, c.line10));
        EXPECT_EQ(getHamachiIp(), c.expected) << c.line2 << " / " << c.line10;
    }
}

TEST_F(HamachiTest, LineFilterKeepsDigitsDotsAndCutsAtTheFirstComma) {
    testenv::writeFile(ini, "a\r\nIP=5.12.34.56,5.0.0.0\r\n,5.1.2.3\r\nv 1.2;3-4\tx\r\n");
    EXPECT_EQ(readHamachiIpLine(2), L"5.12.34.56");
    EXPECT_EQ(readHamachiIpLine(3), L"");
    EXPECT_EQ(readHamachiIpLine(4), L"1.234");
    EXPECT_EQ(readHamachiIpLine(10), L"");
    DeleteFileW(ini.c_str());
    EXPECT_EQ(readHamachiIpLine(2), L"");
    EXPECT_EQ(getHamachiIp(), L"");
}

TEST_F(HamachiTest, AnUnreadableIniReachesTheCaller) {
    testenv::writeFile(ini, iniWith("5.12.34.56", ""));
    HANDLE held = CreateFileW(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(testenv::raisedError([] { getHamachiIp(); }), rt::errPermissionDenied);
    CloseHandle(held);
}

TEST_F(HamachiTest, NoAppDataFolderLooksInTheCurrentFolder) {
    testenv::ScratchFolder here(L"hamachi");
    CreateDirectoryW(here.file(L"Hamachi").c_str(), nullptr);
    testenv::writeFile(here.file(L"Hamachi\\Hamachi.ini"), iniWith("5.66.7.8", ""));
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(here.path().c_str());
    {
        NoAppDataFolder gone;
        EXPECT_EQ(modMain::oPathExt().getSpecialPath(26), L"");
        EXPECT_EQ(getHamachiIp(), L"5.66.7.8");
    }
    SetCurrentDirectoryW(previous);
}
