#include "runtime/App.h"

#include <vector>

namespace rt::App {
namespace {

std::wstring modulePath() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) return std::wstring(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

struct FileVersion {
    int major = 0, minor = 0, build = 0, revision = 0;
};

FileVersion readFileVersion() {
    FileVersion v;
    HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    if (!res) return v;
    HGLOBAL data = LoadResource(nullptr, res);
    auto* bytes = static_cast<const BYTE*>(LockResource(data));
    DWORD size = SizeofResource(nullptr, res);
    if (!bytes || size < 40 + sizeof(VS_FIXEDFILEINFO)) return v;
    // VS_VERSIONINFO: header (6 bytes), L"VS_VERSION_INFO\0" (32 bytes), padding to 4.
    auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + 40);
    if (info->dwSignature != 0xFEEF04BD) return v;
    v.major = HIWORD(info->dwFileVersionMS);
    v.minor = LOWORD(info->dwFileVersionMS);
    v.build = HIWORD(info->dwFileVersionLS);
    v.revision = LOWORD(info->dwFileVersionLS);
    return v;
}

const FileVersion& fileVersion() {
    static const FileVersion v = readFileVersion();
    return v;
}

}  // namespace

std::wstring title() { return L"tarnwicket"; }

std::wstring path() {
    std::wstring full = modulePath();
    size_t slash = full.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L"";
    std::wstring folder = full.substr(0, slash);
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return folder;
}

std::wstring exeName() {
    std::wstring full = modulePath();
    size_t slash = full.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? full : full.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

int major() { return fileVersion().major; }
int minor() { return fileVersion().minor; }
int revision() { return fileVersion().revision; }

HINSTANCE hInstance() { return GetModuleHandleW(nullptr); }
DWORD threadId() { return GetCurrentThreadId(); }

}  // namespace rt::App
