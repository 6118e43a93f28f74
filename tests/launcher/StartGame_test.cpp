#include <gtest/gtest.h>

#include <algorithm>

#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/modFunctions.h"
#include "runtime/Ansi.h"

namespace {

struct StartGame : ::testing::Test {
    testenv::TempDir root{L"start"};
    const std::wstring dir = root.file(L"Age of Empires \u00c9dition \u00fc\\");

    static std::wstring exeOf(int32_t game) {
        return game == 0   ? L"empires2.exe"
               : game == 2 ? L"aom.exe"
               : game == 4 ? L"age3.exe"
                           : L"Napoleonic Era\\ne.exe";
    }
    void SetUp() override {
        for (int32_t game : {0, 2, 4, 7}) ASSERT_TRUE(testenv::installFakeGame(dir + exeOf(game)));
    }
    // Starts `game` with the given options; the parameters the fake game received.
    std::string launch(int32_t game, const std::wstring& ip, const std::wstring& port, int options = 0) {
        EXPECT_TRUE(modFunctions::startGame(dir + exeOf(game), dir, L"", game, ip, port, options & 2, options & 1,
                                            options & 4));
        auto got = testenv::waitForLaunch(dir + exeOf(game));
        if (!got) return "(no launch)";
        EXPECT_EQ(got->workingFolder + "\\", rt::toAnsi(dir));
        EXPECT_EQ(got->showCommand, 0);
        return got->arguments;
    }
};

}  // namespace

TEST_F(StartGame, EachGroupsSwitchesInTheirOrder) {
    // Options: 1 no sound, 2 no intro, 4 direct IP; the address reaches the command line in normal form.
    const std::tuple<int32_t, int, const char*> cases[] = {
        {0, 0, " hostPort=\"2300\""},
        {0, 1, " NoSound hostPort=\"2300\""},
        {0, 6, " NoStartup hostPort=\"2300\" +directIPConnectivity"},
        {0, 7, " NoSound NoStartup hostPort=\"2300\" +directIPConnectivity"},
        {2, 0, " OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\""},
        {2, 5, " +NoSound OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\""},
        {4, 7, " +NoSound +NoIntroCinematics OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\""},
        {7, 2, " +NoIntroCinematics OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\""},
    };
    for (const auto& [game, options, expected] : cases)
        EXPECT_EQ(launch(game, L"010.001.002.003", L"2300", options), expected) << game << " " << options;
}

TEST_F(StartGame, AddressAndPortReachTheCommandLineOnlyWhenValid) {
    const std::tuple<int32_t, const wchar_t*, const wchar_t*, const char*> cases[] = {
        // "": no port switch
        {4, L"", L"", ""},
        {4, L"10.1.1.256", L"", ""},
        {4, L"5.1.2.3", L"", " OverrideAddress=\"5.1.2.3\""},
        {2, L"", L"0", " OverridePort=\"0\""},
        {2, L"", L"99999", " OverridePort=\"99999\""},
        {2, L"", L"123456", ""},
        {2, L"", L"23\" +NoSound \"1", ""},
        {2, L"", L" 2300", ""},
        {0, L"10.1.2.3", L"", ""},
        {0, L"", L"2300\" +directIPConnectivity", ""},
    };
    for (const auto& [game, ip, port, expected] : cases) {
        testenv::TraceCapture capture;
        EXPECT_EQ(launch(game, ip, port), expected) << game << " " << testing::PrintToString(std::wstring(port));
        auto m = capture.messages();
        std::string portLine = "Port left out: not 1 to 5 decimal digits\t" + rt::toAnsi(port) + "\t";
        bool refused = *port && std::string(expected).find("Port") == std::string::npos;
        EXPECT_EQ(std::count(m.begin(), m.end(), portLine), refused ? 1 : 0)
            << testing::PrintToString(std::wstring(port));
    }
}

TEST(PatchMessage, AgeOfMythologyBeforePatch101OrWithoutANumberGetsIt) {
    const std::pair<const wchar_t*, bool> cases[] = {{L"1.0", true},   {L"1.01", false}, {L"1.1", false},
                                                     {L"1.0.0", true}, {L"", true},      {L"10", false},
                                                     {L"1,5", true},   {L".", true},     {L" 1.1 ", false},
                                                     {L"+2", false},   {L"1e1", false},  {L"nan", true}};
    for (const auto& [version, before] : cases)
        EXPECT_EQ(modFunctions::isBeforePatch101(version), before) << rt::toAnsi(version);
}
