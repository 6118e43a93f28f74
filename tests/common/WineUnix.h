#pragma once
// Wine shows a Unix symbolic link to a folder as a folder with the
// reparse-point bit but cannot make one (nor a junction), and deleting one
// through Win32 deletes what it points to: tests make and remove such links
// with Unix commands, only inside their own scratch folders.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "common/TestEnv.h"

namespace testenv {

// Starts the Unix program at `program` (a Unix path) with `arguments` (ASCII).
// Wine hands back no process handle for it: callers wait for its effect.
inline bool startUnix(const std::wstring& program, const std::string& arguments) {
    std::wstring cmd = program + L" " + std::wstring(arguments.begin(), arguments.end());
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    return CreateProcessW(windowsPath(program).c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi);
}

// The Unix path Wine maps a Windows path to; "" outside Wine.
inline std::string unixPath(const std::wstring& windowsPath) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name"));
    char* name = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
    std::string path = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return path;
}

// A link `link` (a Windows path) to `target` (a Unix path, relative to the
// link's folder or absolute), unlinked when the object ends. Should the link
// stay, the program stops rather than let any cleanup follow it.
class UnixLink {
public:
    UnixLink(const std::wstring& link, const std::string& target) : link_(link), unixLink_(unixPath(link)) {
        made_ = !unixLink_.empty() && startUnix(L"/bin/ln", "-s \"" + target + "\" \"" + unixLink_ + "\"") &&
                pumpUntil([&] { return exists(); }, 10000);
    }
    ~UnixLink() {
        if (made_ &&
            !(startUnix(L"/bin/unlink", "\"" + unixLink_ + "\"") && pumpUntil([&] { return !exists(); }, 10000)))
            std::abort();
    }
    UnixLink(const UnixLink&) = delete;
    UnixLink& operator=(const UnixLink&) = delete;
    bool made() const { return made_; }

private:
    bool exists() const { return GetFileAttributesW(link_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::wstring link_;
    std::string unixLink_;
    bool made_ = false;
};

}  // namespace testenv
