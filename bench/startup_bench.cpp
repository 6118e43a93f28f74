// Prints how long tarnwicket.exe takes from process start to its main window
// being visible, against an empty-window program built the same way, and the
// size of both executables.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/App.h"

namespace {

struct Target {
    const wchar_t* exe;
    const wchar_t* caption;
};

// Milliseconds from CreateProcess to a visible window with the caption; -1 on failure.
double timeOneStart(const std::wstring& exe, const wchar_t* caption) {
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
        Sleep(0);
    }
    QueryPerformanceCounter(&t1);
    if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return hwnd ? 1000.0 * double(t1.QuadPart - t0.QuadPart) / double(freq.QuadPart) : -1;
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

    timeOneStart(build + program.exe, program.caption);  // warm the file cache and Wine
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(timeOneStart(build + program.exe, program.caption));
        b.push_back(timeOneStart(build + yardstick.exe, yardstick.caption));
    }
    double ma = median(a), mb = median(b);
    std::printf("start-up to visible main window, median of %d runs:\n", runs);
    std::printf("  tarnwicket.exe    %8.1f ms\n", ma);
    std::printf("  empty_window.exe  %8.1f ms\n", mb);
    std::printf("  ratio             %8.2f\n", mb > 0 ? ma / mb : 0.0);
    std::printf("size of tarnwicket.exe: %lld bytes (empty_window.exe: %lld bytes)\n",
                fileSize(build + program.exe), fileSize(build + yardstick.exe));
    return 0;
}
