// A stand-in for a game executable: writes how it was started (its full
// command line, its working folder and the show command) to
// "<own path>.launched.txt" and exits. Tests copy it under the games' names.
#include <windows.h>

#include <string>

#include "runtime/Handles.h"

namespace {

std::string modulePath() {
    char buf[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    return std::string(buf, n);
}

std::string workingFolder() {
    char buf[MAX_PATH * 2] = {};
    DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    return std::string(buf, n < sizeof buf ? n : 0);
}

// The show command the starter asked for, or -1 when it named none.
int showCommand() {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    return (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
}

void writeAll(const std::string& path, const std::string& text) {
    rt::unique_hfile f(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (f.get() == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string report = "cmdline=" + std::string(GetCommandLineA()) + "\r\n" + "cwd=" + workingFolder() + "\r\n" +
                         "show=" + std::to_string(showCommand()) + "\r\n";
    // Written aside and moved in place, so a reader never sees half a report.
    std::string target = modulePath() + ".launched.txt";
    writeAll(target + ".part", report);
    MoveFileExA((target + ".part").c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
