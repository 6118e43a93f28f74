#include "common/TestEnv.h"

#include <shlwapi.h>

#include <algorithm>

#include "runtime/Handles.h"

namespace testenv {

std::wstring buildDir() {
    wchar_t dir[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TW_BUILD_DIR", dir, MAX_PATH);  // set by CTest, as a Unix path
    return windowsPath(dir);
}

std::wstring windowsPath(const std::wstring& unixPath) {
    std::wstring path = L"Z:" + unixPath;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

TempDir::TempDir(const std::wstring& tag) {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    static int counter = 0;
    path = std::wstring(tmp) + L"tw-" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter);
    removeTree(path);
    CreateDirectoryW(path.c_str(), nullptr);
}
TempDir::~TempDir() { removeTree(path); }

// Our own walk, not the shell's delete: Wine's shell delete of a tree deeper
// than MAX_PATH deletes in the current folder instead. Links to folders are
// removed as links, never walked into.
void removeTree(const std::wstring& path) {
    std::wstring longPath = path.rfind(L"\\\\", 0) == 0 ? path : L"\\\\?\\" + path;
    DWORD attrs = GetFileAttributesW(longPath.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES) return;
    if ((attrs & FILE_ATTRIBUTE_DIRECTORY) && !(attrs & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW fd;
        rt::unique_hfind find = rt::findHandle(FindFirstFileW((longPath + L"\\*").c_str(), &fd));
        for (bool more = bool(find); more; more = FindNextFileW(find.get(), &fd)) {
            std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..") removeTree(longPath + L"\\" + name);
        }
    }
    SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    (attrs & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(longPath.c_str()) : DeleteFileW(longPath.c_str());
}

bool writeFile(const std::wstring& path, const std::string& bytes) {
    rt::unique_hfile f(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    return f.get() != INVALID_HANDLE_VALUE &&
           WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::string readFile(const std::wstring& path) {
    rt::unique_hfile f(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, 0, nullptr));
    std::string out(f.get() == INVALID_HANDLE_VALUE ? 0 : GetFileSize(f.get(), nullptr), '\0');
    DWORD got = 0;
    return ReadFile(f.get(), out.data(), static_cast<DWORD>(out.size()), &got, nullptr) ? out.substr(0, got) : "";
}

bool regStore(HKEY root, const std::string& key, const std::string& name, const RegValue& value) {
    return SHSetValueA(root, key.c_str(), name.c_str(), value.first, value.second.data(),
                       static_cast<DWORD>(value.second.size())) == ERROR_SUCCESS;
}

std::optional<RegValue> regStored(HKEY root, const std::string& key, const std::string& name) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return std::nullopt;
    rt::unique_hkey owned(h);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(h, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::string data(size, '\0');
    if (size && RegQueryValueExA(h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size))
        return std::nullopt;
    return RegValue{type, data.substr(0, size)};
}

void regDeleteTree(HKEY root, const std::string& key) { SHDeleteKeyA(root, key.c_str()); }

ValueWhileAlive::ValueWhileAlive(HKEY root, std::string key, std::string name, const RegValue& value)
    : root_(root), key_(std::move(key)), name_(std::move(name)), before_(regStored(root_, key_, name_)) {
    regStore(root_, key_, name_, value);
}

ValueWhileAlive::~ValueWhileAlive() {
    if (before_)
        regStore(root_, key_, name_, *before_);
    else
        SHDeleteValueA(root_, key_.c_str(), name_.c_str());
}

}  // namespace testenv
