#pragma once
// The fake game of tools/fakegame.exe: copied under a game's name into a
// test folder, started by the code under test, and read back from the
// report it leaves beside itself.
#include <windows.h>

#include <optional>
#include <string>

namespace testenv {

// What the fake game saw when it started (texts in the ANSI code page).
struct FakeLaunch {
    std::string arguments;  // the command line after the program's name
    std::string workingFolder;
    int showCommand = -1;  // -1: the starter named none
};

// Copies the fake game to `exePath`, creating the missing folders on the way.
bool installFakeGame(const std::wstring& exePath);

// Waits (up to 10 s) for the fake game at `exePath` to report, and removes
// the report so the next launch can be told apart.
std::optional<FakeLaunch> waitForLaunch(const std::wstring& exePath);

}  // namespace testenv
