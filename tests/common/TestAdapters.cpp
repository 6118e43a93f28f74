#include "common/TestAdapters.h"

#include <windows.h>

#include "common/TestFiles.h"
#include "runtime/Ansi.h"

namespace testenv {
namespace {

constexpr DWORD kScriptTimeoutMs = 10000;

std::string unixScriptPath() {
    char buf[1024];
    DWORD n = GetEnvironmentVariableA("TW_ADAPTERS_SCRIPT", buf, sizeof buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

// A Unix path as Wine's Z: drive shows it.
std::wstring windowsPathOf(const std::string& unixPath) {
    std::wstring path = L"Z:" + rt::fromAnsi(unixPath);
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

}  // namespace

bool adaptersControllable() { return !unixScriptPath().empty(); }

std::string setTestAdapters(const std::vector<std::string>& adapters) {
    std::string doneFile = "/tmp/tw-adapters-" + std::to_string(GetCurrentProcessId()) + ".done";
    std::wstring doneWindows = windowsPathOf(doneFile);
    DeleteFileW(doneWindows.c_str());
    std::wstring script = windowsPathOf(unixScriptPath());
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
    DWORD start = GetTickCount();
    while (GetFileAttributesW(doneWindows.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > kScriptTimeoutMs) return "no answer from " + rt::toAnsi(script);
        Sleep(10);
    }
    std::string answer = readFile(doneWindows);
    DeleteFileW(doneWindows.c_str());
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    return answer == "ok " + std::to_string(adapters.size()) ? "ok" : answer;
}

}  // namespace testenv
