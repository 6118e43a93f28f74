#include <gtest/gtest.h>

#include <algorithm>

#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/modFunctions.h"

// The game menu starts Age of Empires III end to end; here each game's
// command line with every option and with none, and what is left out of it.
TEST(StartGame, EachGamesSwitchesInTheirOrderAndOnlyValidAddressAndPort) {
    testenv::TempDir root{L"start"};
    const std::wstring dir = root.file(L"Age of Empires \u00c9dition \u00fc\\");
    auto launch = [&](int32_t game, const std::wstring& ip, const std::wstring& port, bool on = true) -> std::string {
        const std::wstring exe = dir + (game == 0 ? L"empires2.exe" : L"Napoleonic Era\\ne.exe");
        EXPECT_TRUE(testenv::installFakeGame(exe));
        EXPECT_TRUE(modFunctions::startGame(exe, dir, L"", game, ip, port, on, on, on));
        auto got = testenv::waitForLaunch(exe);
        return got ? got->arguments : "(no launch)";
    };
    // The address is no option: the menu always passes the box's text.
    const char* const aoe2 = " NoSound NoStartup hostPort=\"2300\" +directIPConnectivity";
    const char* const others = " +NoSound +NoIntroCinematics OverrideAddress=\"10.1.2.3\" OverridePort=\"2300\"";
    const char* const othersOff = " OverrideAddress=\"10.1.2.3\"";
    const std::pair<const char*, const char*> allOnAndOff[] = {
        {aoe2, ""},          {aoe2, ""},          {others, othersOff}, {others, othersOff},
        {others, othersOff}, {others, othersOff}, {others, othersOff}, {others, othersOff}};
    for (int32_t game = 0; game < 8; ++game) {
        EXPECT_EQ(launch(game, L"010.001.002.003", L"2300"), allOnAndOff[game].first) << game;
        EXPECT_EQ(launch(game, L"010.001.002.003", L"", false), allOnAndOff[game].second) << game;
    }

    // Only 1 to 5 digits: a quote in a stored port must not add switches of its own.
    testenv::TraceCapture capture;
    EXPECT_EQ(launch(7, L"10.1.1.256", L"23\" +NoSound \"1"), " +NoSound +NoIntroCinematics");
    auto m = capture.messages();
    EXPECT_EQ(std::count(m.begin(), m.end(), "Port left out: not 1 to 5 decimal digits\t23\" +NoSound \"1\t"), 1);
}

TEST(PatchMessage, AgeOfMythologyBeforePatch101OrWithoutANumberGetsIt) {
    // The version is read as a number with blanks, sign and exponent, "." its decimal separator.
    const std::pair<const wchar_t*, bool> cases[] = {{L"1.0", true},   {L"1.01", false}, {L" 1.1 ", false},
                                                     {L"1e1", false},  {L"1,5", true},   {L"", true},
                                                     {L"nan", true}};
    for (const auto& [version, before] : cases)
        EXPECT_EQ(modFunctions::isBeforePatch101(version), before) << testing::PrintToString(std::wstring(version));
}
