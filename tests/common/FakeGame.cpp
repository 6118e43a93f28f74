#include "common/FakeGame.h"

#include <algorithm>

#include "common/TestEnv.h"

namespace testenv {
namespace {

std::string field(const std::string& report, const std::string& name) {
    size_t start = report.find(name + "=") + name.size() + 1;
    return report.substr(start, report.find("\r\n", start) - start);
}

// The parameters as the starter passed them: the command line after the
// program's name (quoted or not) and the one blank the shell puts after it.
std::string afterProgramName(const std::string& commandLine) {
    size_t end = commandLine.rfind('"', 0) == 0 ? commandLine.find('"', 1) + 1 : commandLine.find(' ');
    end = std::min(end, commandLine.size());
    return commandLine.substr(end < commandLine.size() && commandLine[end] == ' ' ? end + 1 : end);
}

}  // namespace

bool installFakeGame(const std::wstring& exePath) {
    for (size_t slash = exePath.find(L'\\', 3); slash != std::wstring::npos; slash = exePath.find(L'\\', slash + 1))
        CreateDirectoryW(exePath.substr(0, slash).c_str(), nullptr);
    return CopyFileW((buildDir() + L"\\tools\\fakegame.exe").c_str(), exePath.c_str(), FALSE) != 0;
}

std::optional<FakeLaunch> waitForLaunch(const std::wstring& exePath) {
    const std::wstring reportPath = exePath + L".launched.txt";
    std::string report;
    if (!pumpUntil([&] { return !(report = readFile(reportPath)).empty(); }, 10000)) return std::nullopt;
    DeleteFileW(reportPath.c_str());
    return FakeLaunch{afterProgramName(field(report, "cmdline")), field(report, "cwd"),
                      std::stoi(field(report, "show"))};
}

}  // namespace testenv
