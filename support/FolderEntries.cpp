#include "support/FolderEntries.h"

#include <optional>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "support/PathLimits.h"

namespace FolderEntries {
namespace {

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
    const std::optional<std::string> ansi = rt::toAnsiName(pattern);
    if (!ansi) return {{}, ERROR_FILE_NOT_FOUND};
    // The ANSI search takes no more than a path; the wide one is not asked for more.
    if (!PathLimits::fits(*ansi)) return {{}, ERROR_FILENAME_EXCED_RANGE};
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
