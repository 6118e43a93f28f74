#include "common/TestFiles.h"

#include <vector>

#include "common/TestEnv.h"
#include "runtime/Ansi.h"
#include "runtime/Handles.h"

namespace testenv {

bool writeFile(const std::wstring& path, const std::string& bytes) {
    rt::unique_hfile f(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (f.get() == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    return WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::string readFile(const std::wstring& path) {
    rt::unique_hfile f(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (f.get() == INVALID_HANDLE_VALUE) return "";
    std::string out;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(f.get(), buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    return out;
}

bool waitForFile(const std::wstring& path, DWORD timeoutMs) {
    return pumpUntil([&] { return !readFile(path).empty(); }, timeoutMs);
}

bool isAnsiRepresentable(const std::wstring& name) { return rt::fromAnsi(rt::toAnsi(name)) == name; }

}  // namespace testenv
