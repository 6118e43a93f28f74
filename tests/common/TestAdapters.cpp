#include "common/TestAdapters.h"

#include "common/TestEnv.h"
#include "common/WineUnix.h"
#include "runtime/Ansi.h"

namespace testenv {
namespace {

std::string unixScriptPath() {
    char buf[1024];
    DWORD n = GetEnvironmentVariableA("TW_ADAPTERS_SCRIPT", buf, sizeof buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

}  // namespace

bool adaptersControllable() { return !unixScriptPath().empty(); }

std::string setTestAdapters(const std::vector<std::string>& adapters) {
    std::string doneFile = "/tmp/tw-adapters-" + std::to_string(GetCurrentProcessId()) + ".done";
    std::wstring doneWindows = windowsPath(rt::fromAnsi(doneFile));
    DeleteFileW(doneWindows.c_str());
    std::string arguments = doneFile;
    for (const auto& a : adapters) arguments += " " + a;
    // The script's end is seen through its done file.
    if (!startUnix(rt::fromAnsi(unixScriptPath()), arguments)) return "cannot start " + unixScriptPath();
    std::string answer;
    if (!pumpUntil([&] { return !(answer = readFile(doneWindows)).empty(); }, 10000))
        return "no answer from " + unixScriptPath();
    DeleteFileW(doneWindows.c_str());
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    return answer == "ok " + std::to_string(adapters.size()) ? "ok" : answer;
}

}  // namespace testenv
