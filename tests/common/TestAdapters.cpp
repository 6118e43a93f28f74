#include "common/TestAdapters.h"

#include "common/TestEnv.h"
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
    std::wstring doneWindows = windowsPath(rt::fromAnsi(doneFile)),
                 script = windowsPath(rt::fromAnsi(unixScriptPath()));
    DeleteFileW(doneWindows.c_str());
    std::wstring cmd = L"\"" + script + L"\" " + rt::fromAnsi(doneFile);
    for (const auto& a : adapters) cmd += L" " + rt::fromAnsi(a);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    // Wine runs a Unix program itself and hands back no process handle, so
    // the script's end is seen through its done file.
    if (!CreateProcessW(script.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return "cannot start " + rt::toAnsi(script);
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    std::string answer;
    if (!pumpUntil([&] { return !(answer = readFile(doneWindows)).empty(); }, 10000))
        return "no answer from " + rt::toAnsi(script);
    DeleteFileW(doneWindows.c_str());
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    return answer == "ok " + std::to_string(adapters.size()) ? "ok" : answer;
}

}  // namespace testenv
