#include "common/TestEnv.h"

#include <shellapi.h>

#include <vector>

namespace testenv {

std::wstring buildDir() {
    wchar_t buf[1024];
    DWORD n = GetEnvironmentVariableW(L"TW_BUILD_DIR", buf, 1024);
    std::wstring dir(buf, n < 1024 ? n : 0);
    // A Unix path maps to Wine's Z: drive.
    if (!dir.empty() && dir[0] == L'/') {
        for (auto& c : dir)
            if (c == L'/') c = L'\\';
        dir = L"Z:" + dir;
    }
    return dir;
}

std::wstring makeTempDir(const std::wstring& tag) {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    static int counter = 0;
    std::wstring dir = std::wstring(tmp) + L"tw-" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                       std::to_wstring(++counter);
    removeTree(dir);
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

void removeTree(const std::wstring& path) {
    std::vector<wchar_t> from(path.begin(), path.end());
    from.push_back(0);
    from.push_back(0);
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.data();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
}

}  // namespace testenv
