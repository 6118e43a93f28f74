#include "common/FakeGame.h"

#include <algorithm>

#include "common/TestEnv.h"
#include "common/TestFiles.h"

namespace testenv {
namespace {

std::wstring reportPath(const std::wstring& exePath) { return exePath + L".launched.txt"; }

void createFoldersFor(const std::wstring& path) {
    for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
}

std::string field(const std::string& report, const std::string& name) {
    size_t start = report.find(name + "=");
    if (start == std::string::npos) return "";
    start += name.size() + 1;
    return report.substr(start, report.find("\r\n", start) - start);
}

// The parameters as the starter passed them: the command line after the
// program's name (quoted or not) and the one blank the shell puts after it.
std::string afterProgramName(const std::string& commandLine) {
    size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find(' '), commandLine.size());
    }
    if (end < commandLine.size() && commandLine[end] == ' ') ++end;
    return commandLine.substr(end);
}

}  // namespace

bool installFakeGame(const std::wstring& exePath) {
    createFoldersFor(exePath);
    return CopyFileW((buildDir() + L"\\tools\\fakegame.exe").c_str(), exePath.c_str(), FALSE) != 0;
}

std::optional<FakeLaunch> waitForLaunch(const std::wstring& exePath, DWORD timeoutMs) {
    if (!waitForFile(reportPath(exePath), timeoutMs)) return std::nullopt;
    std::string report = readFile(reportPath(exePath));
    FakeLaunch launch;
    launch.commandLine = field(report, "cmdline");
    launch.arguments = afterProgramName(launch.commandLine);
    launch.workingFolder = field(report, "cwd");
    launch.showCommand = std::stoi(field(report, "show"));
    return launch;
}

void forgetLaunch(const std::wstring& exePath) { DeleteFileW(reportPath(exePath).c_str()); }

}  // namespace testenv
