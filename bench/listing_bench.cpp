// Prints how long a recursive listing of a 10 000-file tree takes through
// the file-operations object, against "dir /s /b" of the same tree run by
// the system's command interpreter, and their ratio. The tree is made in the
// temporary folder and deleted afterwards.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/cFileFunctions.h"

namespace {

constexpr int kFolders = 100, kFilesPerFolder = 100;

double milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    work();
    QueryPerformanceCounter(&t1);
    return 1000.0 * double(t1.QuadPart - t0.QuadPart) / double(freq.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::wstring makeTree() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    std::wstring root = std::wstring(tmp) + L"tw-listing-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root.c_str(), nullptr);
    for (int f = 0; f < kFolders; ++f) {
        std::wstring folder = root + L"\\folder" + std::to_wstring(f);
        CreateDirectoryW(folder.c_str(), nullptr);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            std::wstring file = folder + L"\\file" + std::to_wstring(i) + L".dat";
            CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
    }
    return root;
}

// Runs a command line through the command interpreter and waits for it.
void runCommand(const std::wstring& command) {
    std::wstring cmd = L"cmd.exe /c " + command;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
        return;
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const std::wstring root = makeTree();
    cFileFunctions files;
    size_t listed = 0;
    std::vector<double> listing, dir, start;
    runCommand(L"dir /s /b \"" + root + L"\" > nul");  // warm the caches and the interpreter
    for (int i = 0; i < runs; ++i) {
        listing.push_back(milliseconds([&] { listed = files.getFilesInFolder(root, L"*.*", true).size(); }));
        dir.push_back(milliseconds([&] { runCommand(L"dir /s /b \"" + root + L"\" > nul"); }));
        start.push_back(milliseconds([&] { runCommand(L"exit"); }));
    }
    files.folderDelete(root);
    double ml = median(listing), md = median(dir), ms = median(start);
    std::printf("recursive listing of %d files in %d folders, median of %d runs:\n", kFolders * kFilesPerFolder,
                kFolders, runs);
    std::printf("  getFilesInFolder(*.*, subfolders)  %8.1f ms  (%zu files)\n", ml, listed);
    std::printf("  cmd /c dir /s /b > nul              %8.1f ms\n", md);
    std::printf("  cmd /c exit (interpreter start)     %8.1f ms\n", ms);
    std::printf("  ratio to dir                        %8.3f\n", md > 0 ? ml / md : 0.0);
    std::printf("  ratio to dir less its start         %8.3f\n", md > ms ? ml / (md - ms) : 0.0);
    return 0;
}
