// Prints how long tarnwicket.exe takes from process start to its main window
// being visible, against an empty-window program built the same way, and the
// size of both executables. The launcher does its whole start: it detects
// the games (two of the seven installation keys lead to an executable here),
// asks the network adapters, restores five stored options and builds its
// window with six buttons and the background picture. Installation keys and
// options are set up for the run when the prefix has none and removed after.
// Then, with those options, the start with a 100 000-digit stored port text,
// which the launcher saves back on exit.
#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/Ansi.h"
#include "runtime/App.h"

namespace {

struct Target {
    const wchar_t* exe;
    const wchar_t* caption;
};

const char kSettingsKey[] = "Software\\mornveldt\\tools\\tarnwicket";
const char* const kGameKeys[][2] = {
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology\\1.0\\", "AppPath"},
    {"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3\\1.0\\", "SetupPath"},
};
const char* const kOptions[][2] = {{"NoSound", "True"},
                                   {"NoIntro", "False"},
                                   {"OverridePort", "True"},
                                   {"OverridePortValue", "2300"},
                                   {"DirectIpConnectivity", "True"}};

void storeText(HKEY root, const char* key, const char* name, const std::string& text) {
    SHSetValueA(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool keyExists(HKEY root, const char* key) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

// Two games installed in `folder` (the empty window stands in for their
// executables) and stored options; returns the keys it made, to be removed.
std::vector<std::pair<HKEY, std::string>> prepare(const std::string& folder, const std::string& exeToCopy) {
    std::vector<std::pair<HKEY, std::string>> made;
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(exeToCopy.c_str(), (folder + "aom.exe").c_str(), FALSE);
    CopyFileA(exeToCopy.c_str(), (folder + "age3.exe").c_str(), FALSE);
    for (const auto& [key, value] : kGameKeys) {
        if (keyExists(HKEY_LOCAL_MACHINE, key)) continue;
        storeText(HKEY_LOCAL_MACHINE, key, value, folder);
        storeText(HKEY_LOCAL_MACHINE, key, "Version", "1.0");
        made.push_back({HKEY_LOCAL_MACHINE, key});
    }
    if (!keyExists(HKEY_CURRENT_USER, kSettingsKey)) {
        for (const auto& [name, text] : kOptions) storeText(HKEY_CURRENT_USER, kSettingsKey, name, text);
        made.push_back({HKEY_CURRENT_USER, kSettingsKey});
    }
    return made;
}

// Milliseconds from CreateProcess to a visible window with the caption; -1 on
// failure. An IP selection dialog (several adapter addresses) is closed and
// counted in `dialogs`.
double timeOneStart(const std::wstring& exe, const wchar_t* caption, int& dialogs) {
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\"";
    QueryPerformanceCounter(&t0);
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    HWND hwnd = nullptr;
    for (int i = 0; i < 200000; ++i) {
        hwnd = FindWindowW(nullptr, caption);
        if (hwnd && IsWindowVisible(hwnd)) break;
        hwnd = nullptr;
        if (HWND dialog = FindWindowW(nullptr, L"Select ip"); dialog && IsWindowVisible(dialog)) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            ++dialogs;
        }
        Sleep(0);
    }
    QueryPerformanceCounter(&t1);
    if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return hwnd ? 1000.0 * double(t1.QuadPart - t0.QuadPart) / double(freq.QuadPart) : -1;
}

constexpr size_t kLongPort = 100000;

// Characters of a stored text; 0 when there is none.
size_t storedLength(HKEY root, const char* key, const char* name) {
    DWORD type = 0, bytes = 0;
    if (SHGetValueA(root, key, name, &type, nullptr, &bytes) != ERROR_SUCCESS || bytes == 0) return 0;
    return bytes - 1;
}

struct LongPortRuns {
    std::vector<double> ms;
    size_t kept = 0;  // characters stored after the last run
};

LongPortRuns timeLongPortStarts(const std::wstring& exe, const wchar_t* caption, int runs, int& dialogs) {
    storeText(HKEY_CURRENT_USER, kSettingsKey, "OverridePortValue", std::string(kLongPort, '2'));
    LongPortRuns r;
    for (int i = 0; i < runs; ++i) r.ms.push_back(timeOneStart(exe, caption, dialogs));
    r.kept = storedLength(HKEY_CURRENT_USER, kSettingsKey, "OverridePortValue");
    return r;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

long long fileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::wstring dir = rt::App::path() + L"\\";
    std::wstring build = dir.substr(0, dir.size() - 1);
    build = build.substr(0, build.find_last_of(L'\\') + 1);  // bench/ sits in the build folder
    const Target program{L"tarnwicket.exe", L"tarnwicket - 1.6.3"};
    const Target yardstick{L"bench\\empty_window.exe", L"empty window"};

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string games = std::string(temp) + "tarnwicket-bench-games\\";
    auto made = prepare(games, rt::toAnsi(build + yardstick.exe));

    int dialogs = 0;
    timeOneStart(build + program.exe, program.caption, dialogs);  // warm the file cache and Wine
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(timeOneStart(build + program.exe, program.caption, dialogs));
        b.push_back(timeOneStart(build + yardstick.exe, yardstick.caption, dialogs));
    }
    // Only options the bench stored itself are replaced.
    const bool ownOptions = std::any_of(made.begin(), made.end(), [](auto& m) { return m.second == kSettingsKey; });
    const int portRuns = std::max(1, runs / 3);
    LongPortRuns port;
    if (ownOptions) port = timeLongPortStarts(build + program.exe, program.caption, portRuns, dialogs);
    for (const auto& [root, key] : made) SHDeleteKeyA(root, key.c_str());
    DeleteFileA((games + "aom.exe").c_str());
    DeleteFileA((games + "age3.exe").c_str());
    RemoveDirectoryA(games.c_str());

    double ma = median(a), mb = median(b);
    std::printf("start-up to visible main window, median of %d runs:\n", runs);
    std::printf("  tarnwicket.exe    %8.1f ms  (7 installation keys read, 2 games found, adapters asked,\n", ma);
    std::printf("                               5 options restored, 6 buttons, background picture)\n");
    std::printf("  empty_window.exe  %8.1f ms\n", mb);
    std::printf("  ratio             %8.2f\n", mb > 0 ? ma / mb : 0.0);
    if (ownOptions)
        std::printf("  with a %zu-digit stored port text: %.1f ms, median of %d runs (%zu characters stored after)\n",
                    kLongPort, median(port.ms), portRuns, port.kept);
    if (dialogs > 0) std::printf("  (the IP dialog showed %d times: several adapter addresses; it was closed)\n", dialogs);
    std::printf("size of tarnwicket.exe: %lld bytes (empty_window.exe: %lld bytes)\n",
                fileSize(build + program.exe), fileSize(build + yardstick.exe));
    return 0;
}
