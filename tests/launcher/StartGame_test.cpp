#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "common/FakeGame.h"
#include "common/TestEnv.h"
#include "common/TraceCapture.h"
#include "launcher/modFunctions.h"
#include "runtime/Ansi.h"

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

// The shell expands environment references in the program's path and in its
// folder: a game in x%OS%x would start the program in xWindows_NTx, or run
// in that folder. A "%" that names nothing stays as it is and starts.
TEST(StartGame, APathOrFolderTheShellWouldReadAsAnotherIsNotStarted) {
    testenv::TempDir root{L"percent"};
    ASSERT_TRUE(testenv::installFakeGame(root.file(L"xWindows_NTx\\age3.exe")));  // the program beside
    // the executable's folder, the working folder, whether the game starts
    const std::tuple<const wchar_t*, const wchar_t*, bool> rows[] = {
        {L"x%OS%x", L"x%OS%x", false}, {L"plain", L"x%os%x", false}, {L"100% x%TW_UNSET%", L"100% x%TW_UNSET%", true}};
    for (const auto& [exeFolder, folder, starts] : rows) {
        const std::wstring exe = root.file(exeFolder) + L"\\age3.exe", dir = root.file(folder) + L"\\";
        ASSERT_TRUE(testenv::installFakeGame(exe));
        const bool started = modFunctions::startGame(exe, dir, L"", 4, L"", L"", false, false, false);
        EXPECT_EQ(started, starts) << testing::PrintToString(std::wstring(folder));
        if (!started) continue;
        auto got = testenv::waitForLaunch(exe);
        EXPECT_EQ(got ? got->workingFolder + "\\" : "another program ran", rt::toAnsi(dir));
    }
}

TEST(PatchMessage, AgeOfMythologyBeforePatch101OrWithoutANumberGetsIt) {
    // The version is read as a number with blanks, sign and exponent, "." its decimal separator.
    const std::pair<const wchar_t*, bool> cases[] = {{L"1.0", true},   {L"1.01", false}, {L" 1.1 ", false},
                                                     {L"1e1", false},  {L"1,5", true},   {L"", true},
                                                     {L"nan", true}};
    for (const auto& [version, before] : cases)
        EXPECT_EQ(modFunctions::isBeforePatch101(version), before) << testing::PrintToString(std::wstring(version));
}
