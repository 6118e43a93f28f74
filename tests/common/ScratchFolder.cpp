#include "common/ScratchFolder.h"

#include <windows.h>

#include "common/TestEnv.h"
#include "runtime/Handles.h"

namespace testenv {

ScratchFolder::ScratchFolder(const std::wstring& tag) : path_(makeTempDir(tag)) {}
ScratchFolder::~ScratchFolder() { removeTree(path_); }

std::vector<std::wstring> filesMatching(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    rt::unique_hfind find = rt::findHandle(FindFirstFileW(pattern.c_str(), &data));
    if (!find) return names;
    do names.push_back(data.cFileName);
    while (FindNextFileW(find.get(), &data));
    return names;
}

}  // namespace testenv
