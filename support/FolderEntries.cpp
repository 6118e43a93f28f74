#include "support/FolderEntries.h"

#include <optional>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"

namespace FolderEntries {
namespace {

// The ANSI search takes no more than this; the wide one is not asked for more.
constexpr size_t kLongestPattern = MAX_PATH - 1;

bool namesItself(const std::wstring& name) {
    if (name.empty() || !rt::toAnsiName(name)) return false;
    if (name == L"." || name == L"..") return true;
    return name.back() != L'.' && name.back() != L' ';
}

Entry entryOf(const WIN32_FIND_DATAW& found) {
    return {found.cFileName, reachingName(found.cFileName, found.cAlternateFileName), found.dwFileAttributes};
}

}  // namespace

std::wstring reachingName(const std::wstring& ownName, const std::wstring& shortName) {
    if (namesItself(ownName)) return ownName;
    return namesItself(shortName) ? shortName : std::wstring();
}

Found find(const std::wstring& pattern) {
    if (!rt::toAnsiName(pattern)) return {{}, ERROR_FILE_NOT_FOUND};
    if (pattern.size() > kLongestPattern) return {{}, ERROR_FILENAME_EXCED_RANGE};
    WIN32_FIND_DATAW found{};
    rt::unique_hfind search = rt::findHandle(FindFirstFileW(pattern.c_str(), &found));
    if (!search) return {{}, GetLastError()};
    Found result;
    do {
        result.entries.push_back(entryOf(found));
    } while (FindNextFileW(search.get(), &found));
    return result;
}

}  // namespace FolderEntries
