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
        for (int32_t index : {0, 2, 4, 7}) ASSERT_TRUE(testenv::installFakeGame(dir_ + exeOf(index)));
    }
    void TearDown() override { testenv::removeTree(root_); }

    static const wchar_t* exeOf(int32_t index) {
        return index == 0   ? L"empires2.exe"
               : index == 2 ? L"aom.exe"
               : index == 4 ? L"age3.exe"
                            : L"Napoleonic Era\\ne.exe";
    }

    // Starts game `index` with the given options; the parameters the fake game received.
    std::string launch(int32_t index, const std::wstring& ip, const std::wstring& port, bool noIntro = false,
                       bool noSound = false, bool directIp = false, const std::wstring& params = L"") {
        std::wstring exe = dir_ + exeOf(index < 0 || index > 7 ? 4 : index);
        testenv::forgetLaunch(exe);
        EXPECT_TRUE(modFunctions::startGame(exe, dir_, params, index, ip, port, noIntro, noSound, directIp));
        auto got = testenv::waitForLaunch(exe);
        if (!got) return "(no launch)";
        EXPECT_EQ(got->workingFolder + "\\", rt::toAnsi(dir_));
        EXPECT_EQ(got->showCommand, 0);
        return got->arguments;
    }

    std::wstring root_, dir_;
};

TEST_F(StartGame, EveryCombinationOfOptionsGivesTheGroupsSwitchesInOrder) {
    for (int32_t index : {0, 2, 4, 7}) {
        for (int options = 0; options < 8; ++options) {
            bool noSound = options & 1, noIntro = options & 2, directIp = options & 4;
            std::string expected = index == 0 ? std::string(noSound ? " NoSound" : "") + (noIntro ? " NoStartup" : "") +
                                                    " hostPort=\"2300\"" + (directIp ? " +directIPConnectivity" : "")
                                              : std::string(noSound ? " +NoSound" : "") +
                                                    (noIntro ? " +NoIntroCinematics" : "") +
                                                    " OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\"";
            EXPECT_EQ(launch(index, L"010.001.002.003", L"2300", noIntro, noSound, directIp), expected)
                << "game " << index << " options " << options;
        }
    }
}

TEST_F(StartGame, AddressAndPortReachTheCommandLineOnlyWhenValid) {
    const struct {
        int32_t index;
        const wchar_t *ip, *port;
        const char* expected;
        bool portTraced;
    } cases[] = {
        {4, L"", L"", "", false},
        {4, L"1.2.3.4", L"", "", false},
        {4, L"10.1.1.256", L"", "", false},
        {4, L"5.1.2.3", L"", " OverrideAddress=\"5.1.2.3\"", false},
        {2, L"", L"0", " OverridePort=\"0\"", false},
        {2, L"", L"99999", " OverridePort=\"99999\"", false},
        {2, L"", L"123456", "", true},
        {2, L"", L"23\" +NoSound \"1", "", true},
        {2, L"", L" 2300", "", true},
        {2, L"", L"-1", "", true},
        {0, L"10.1.2.3", L"", "", false},
        {0, L"", L"2300\" +directIPConnectivity", "", true},
    };
    for (const auto& c : cases) {
        testenv::TraceCapture capture;
        EXPECT_EQ(launch(c.index, c.ip, c.port), c.expected)
            << c.index << " " << testing::PrintToString(std::wstring(c.port));
        auto m = capture.messages();
        std::string portLine = "Port left out: not 1 to 5 decimal digits\t" + rt::toAnsi(c.port) + "\t";
        EXPECT_EQ(std::count(m.begin(), m.end(), portLine), c.portTraced ? 1 : 0)
            << testing::PrintToString(std::wstring(c.port));
    }
}

TEST_F(StartGame, UnknownGamesKeepTheCallersParametersAndAMissingExecutableFails) {
    for (int32_t index : {-1, 8})
        EXPECT_EQ(launch(index, L"10.1.2.3", L"2300", true, true, true, L" -given"), " -given");
    testenv::TraceCapture capture;
    EXPECT_FALSE(modFunctions::startGame(dir_ + L"missing.exe", dir_, L"", 4, L"", L"", false, false, false));
    EXPECT_EQ(capture.messages().at(0), "modFunctions.startGame\t");
    std::wstring s = L" a";
    EXPECT_EQ(modFunctions::appendString(s, L" b") + s, L" a b a b");
}

}  // namespace
