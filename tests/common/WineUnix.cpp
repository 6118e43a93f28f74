#include "common/WineUnix.h"

#include <windows.h>

#include <cstdlib>

#include "common/TestEnv.h"

namespace testenv {
namespace {

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

bool startUnix(const std::wstring& program, const std::string& arguments) {
    std::wstring cmd = program + L" " + std::wstring(arguments.begin(), arguments.end());
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    return CreateProcessW(windowsPath(program).c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi);
}

std::string unixPath(const std::wstring& windowsPath) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name"));
    char* name = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
    std::string path = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return path;
}

UnixLink::UnixLink(const std::wstring& link, const std::string& target) : link_(link) {
    std::string unixLink = unixPath(link);
    made_ = !unixLink.empty() && startUnix(L"/bin/ln", "-s " + quoted(target) + " " + quoted(unixLink)) &&
            pumpUntil([&] { return exists(link_); }, 10000);
}

UnixLink::~UnixLink() {
    if (made_ && !(startUnix(L"/bin/unlink", quoted(unixPath(link_))) &&
                   pumpUntil([&] { return !exists(link_); }, 10000)))
        std::abort();
}

}  // namespace testenv
