#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/modFunctions.h"
#include "runtime/Ansi.h"

namespace {

class StartGame : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testenv::makeTempDir(L"start");
        dir_ = root_ + L"\\Age of Empires \u00c9dition \u00fc\\";
        for (const wchar_t* name : {L"empires2.exe", L"aom.exe", L"age3.exe", L"Napoleonic Era\\ne.exe"})
            ASSERT_TRUE(testenv::installFakeGame(dir_ + name));
    }
    void TearDown() override { testenv::removeTree(root_); }

    // Starts game `index` from `exe` and returns the parameters the game received.
    std::string launch(const std::wstring& exe, int32_t index, const std::wstring& ip, const std::wstring& port,
                       bool noIntro, bool noSound, bool directIp) {
        testenv::forgetLaunch(dir_ + exe);
        EXPECT_TRUE(modFunctions::startGame(dir_ + exe, dir_, L"", index, ip, port, noIntro, noSound, directIp));
        auto got = testenv::waitForLaunch(dir_ + exe);
        if (!got) return "(no launch)";
        EXPECT_EQ(got->workingFolder + "\\", rt::toAnsi(dir_));
        EXPECT_EQ(got->showCommand, 0);
        return got->arguments;
    }

    std::wstring root_, dir_;
};

const wchar_t* exeOf(int32_t index) {
    switch (index) {
        case 0: return L"empires2.exe";
        case 2: return L"aom.exe";
        case 4: return L"age3.exe";
        default: return L"Napoleonic Era\\ne.exe";
    }
}

TEST_F(StartGame, EveryCombinationOfOptionsGivesTheGroupsSwitchesInOrder) {
    for (int32_t index : {0, 2, 4, 7}) {
        for (int options = 0; options < 8; ++options) {
            bool noSound = options & 1, noIntro = options & 2, directIp = options & 4;
            std::string expected;
            if (index == 0) {
                if (noSound) expected += " NoSound";
                if (noIntro) expected += " NoStartup";
                expected += " hostPort=\"2300\"";
                if (directIp) expected += " +directIPConnectivity";
            } else {
                if (noSound) expected += " +NoSound";
                if (noIntro) expected += " +NoIntroCinematics";
                expected += " OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\"";
            }
            EXPECT_EQ(launch(exeOf(index), index, L"010.001.002.003", L"2300", noIntro, noSound, directIp), expected)
                << "game " << index << " options " << options;
        }
    }
}

TEST_F(StartGame, AddressAndPortAreCheckedBeforeTheyReachTheCommandLine) {
    const struct Case {
        int32_t index;
        const wchar_t* ip;
        const wchar_t* port;
        const char* expected;
        bool portTraced;
    } cases[] = {
        {4, L"", L"", "", false},
        {4, L"1.2.3.4", L"", "", false},
        {4, L"10.1.1.256", L"", "", false},
        {4, L"5.1.2.3", L"", " OverrideAddress=\"5.1.2.3\"", false},
        {2, L"", L"0", " OverridePort=\"0\"", false},
        {2, L"", L"65535", " OverridePort=\"65535\"", false},
        {2, L"", L"99999", " OverridePort=\"99999\"", false},
        {2, L"", L"123456", "", true},
        {2, L"", L"23\" +NoSound \"1", "", true},
        {2, L"", L" 2300", "", true},
        {2, L"", L"-1", "", true},
        {2, L"", L"23a", "", true},
        {0, L"10.1.2.3", L"", "", false},
        {0, L"", L"2300\" +directIPConnectivity", "", true},
        {0, L"", L"2300", " hostPort=\"2300\"", false},
    };
    for (const Case& c : cases) {
        testenv::TraceCapture capture;
        EXPECT_EQ(launch(exeOf(c.index), c.index, c.ip, c.port, false, false, false), c.expected)
            << c.index << " " << testing::PrintToString(std::wstring(c.ip)) << " "
            << testing::PrintToString(std::wstring(c.port));
        auto messages = capture.messages();
        bool traced = std::any_of(messages.begin(), messages.end(), [&](const std::string& m) {
            return m == "Port left out: not 1 to 5 decimal digits\t" + rt::toAnsi(c.port) + "\t";
        });
        EXPECT_EQ(traced, c.portTraced) << testing::PrintToString(std::wstring(c.port));
    }
}

TEST_F(StartGame, CallerParametersAreExtendedAndUnknownGamesGetNoSwitches) {
    for (int32_t index : {-1, 8}) {
        testenv::forgetLaunch(dir_ + L"age3.exe");
        EXPECT_TRUE(modFunctions::startGame(dir_ + L"age3.exe", dir_, L" -given", index, L"10.0.0.1", L"2300", true,
                                            true, true));
        auto got = testenv::waitForLaunch(dir_ + L"age3.exe");
        ASSERT_TRUE(got);
        EXPECT_EQ(got->arguments, " -given") << index;
    }
}

TEST_F(StartGame, AMissingExecutableIsReportedAsFailureAfterTheEntryTrace) {
    testenv::TraceCapture capture;
    EXPECT_FALSE(modFunctions::startGame(dir_ + L"missing.exe", dir_, L"", 4, L"", L"", false, false, false));
    ASSERT_FALSE(capture.messages().empty());
    EXPECT_EQ(capture.messages()[0], "modFunctions.startGame\t");
}

TEST(AppendString, ChangesTheTextAndReturnsIt) {
    std::wstring s = L" a";
    EXPECT_EQ(modFunctions::appendString(s, L" b"), L" a b");
    EXPECT_EQ(s, L" a b");
}

}  // namespace
