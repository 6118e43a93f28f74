#include "support/cPathExt.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "support/FileStatements.h"
#include "support/ShellCalls.h"

namespace {

// The directory match's attribute mask "normal, read-only, hidden, system,
// archive": every entry except folders.
constexpr uint32_t kAnyFile = 39;

// The shell's own release of its item lists: the program imports no COM library.
struct ItemListFree {
    void operator()(ITEMIDLIST* pidl) const { ShellCalls::ILFree(pidl); }
};
using unique_itemlist = std::unique_ptr<ITEMIDLIST, ItemListFree>;

}  // namespace

bool cPathExt::fileExists(const std::wstring& sFile) const {
    if (sFile.empty()) return false;
    try {
        return !FileStatements::dir(sFile, kAnyFile).empty();
    } catch (...) {  // a name the match cannot search (one too long, say) is no file
        return false;
    }
}

std::wstring cPathExt::getSpecialPath(int32_t lNum) const {
    ITEMIDLIST* raw = nullptr;
    // The owner passed is 1, as the launcher always did; the shell shows no UI here.
    if (ShellCalls::SHGetSpecialFolderLocation(reinterpret_cast<HWND>(1), lNum, &raw) != S_OK) return L"";
    unique_itemlist pidl(raw);
    char buffer[512];
    std::fill(std::begin(buffer), std::end(buffer), ' ');
    if (!ShellCalls::SHGetPathFromIDListA(pidl.get(), buffer)) return L"";
    return rt::fromAnsiBuffer(buffer, sizeof buffer);
}

std::wstring cPathExt::normalizePath(const std::wstring& sPath) const {
    if (!sPath.empty() && sPath.back() != L'\\') return sPath + L"\\";
    return sPath;
}
