#pragma once
// The fake game of tools/fakegame.exe: copied under a game's name into a
// test folder, started by the code under test, and read back from the
// report it leaves beside itself.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "common/TestEnv.h"
#include "runtime/Handles.h"

namespace testenv {

// What the fake game saw when it started (texts in the ANSI code page).
struct FakeLaunch {
    std::string arguments;  // the command line after the program's name
    std::string workingFolder;
    int showCommand = -1;  // -1: the starter named none
};

// Copies the fake game to `exePath`, creating the missing folders on the way.
inline bool installFakeGame(const std::wstring& exePath) {
    for (size_t slash = exePath.find(L'\\', 3); slash != std::wstring::npos; slash = exePath.find(L'\\', slash + 1))
        CreateDirectoryW(exePath.substr(0, slash).c_str(), nullptr);
    return CopyFileW((buildDir() + L"\\tools\\fakegame.exe").c_str(), exePath.c_str(), FALSE) != 0;
}

// False while a program started from the file at `exePath` runs: the file
// can be neither replaced nor deleted then.
inline bool replaceable(const std::wstring& exePath) {
    const DWORD anyShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    rt::unique_hfile file(CreateFileW(exePath.c_str(), GENERIC_WRITE, anyShare, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.get() != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION;
}

// Waits (up to 10 s) for the fake game at `exePath` to report, and removes
// the report so the next launch can be told apart; then (up to 10 s more)
// for the game to end, as its file cannot be replaced or deleted before.
inline std::optional<FakeLaunch> waitForLaunch(const std::wstring& exePath) {
    const std::wstring reportPath = exePath + L".launched.txt";
    std::string report;
    if (!pumpUntil([&] { return !(report = readFile(reportPath)).empty(); }, 10000)) return std::nullopt;
    DeleteFileW(reportPath.c_str());
    pumpUntil([&] { return replaceable(exePath); }, 10000);
    auto field = [&](const std::string& name) {
        size_t start = report.find(name + "=") + name.size() + 1;
        return report.substr(start, report.find("\r\n", start) - start);
    };
    // The parameters as the starter passed them: the command line after the
    // program's name (quoted or not) and the one blank the shell puts after it.
    std::string commandLine = field("cmdline");
    size_t end = std::min(commandLine.rfind('"', 0) == 0 ? commandLine.find('"', 1) + 1 : commandLine.find(' '),
                          commandLine.size());
    if (end < commandLine.size() && commandLine[end] == ' ') ++end;
    return FakeLaunch{commandLine.substr(end), field("cwd"), std::stoi(field("show"))};
}

}  // namespace testenv
