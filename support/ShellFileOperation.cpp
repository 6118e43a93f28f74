#include "support/ShellFileOperation.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "runtime/Ansi.h"
#include "support/PathLimits.h"

namespace ShellFileOperation {
namespace {

// A name taken after it was chosen still gets a new one where the shell
// honours that; no progress window.
constexpr FILEOP_FLAGS kQuietRename = FOF_RENAMEONCOLLISION | FOF_SILENT;

FILEOP_FLAGS flagIf(bool condition, FILEOP_FLAGS flag) { return condition ? flag : 0; }

// A list for the shell: each name held by the code page and no longer than a
// path the shell takes (Wine's shell overruns its buffers with a longer one).
std::optional<std::string> shellNames(const std::wstring& names) {
    std::optional<std::string> list = rt::toAnsiNameList(names);
    if (!list) return list;
    for (size_t at = 0, end = 0; at < list->size(); at = end + 1) {
        end = std::min(list->find('\0', at), list->size());
        if (!PathLimits::fits(std::string_view(*list).substr(at, end - at))) return std::nullopt;
    }
    return list;
}

}  // namespace

Request overwritingCopyRequest(const std::wstring& sSource, const std::wstring& sDest) {
    const bool severalDestinations = sSource.find(std::wstring(2, L'\0')) != std::wstring::npos;
    return {FO_COPY, sSource, sDest, flagIf(severalDestinations, FOF_MULTIDESTFILES)};
}

Request copyRequest(const std::wstring& sources, const std::wstring& dests) {
    return {FO_COPY, sources, dests, FOF_MULTIDESTFILES | FOF_RENAMEONCOLLISION};
}

Request deleteRequest(const std::wstring& sSource, bool bNoSubDirs, bool bShowProgress, bool bShowDialog,
                      bool bShowConfirmationDialog, bool bDeleteToRecycleBin) {
    return {FO_DELETE, sSource, L"",
            static_cast<FILEOP_FLAGS>(flagIf(bNoSubDirs, FOF_FILESONLY) | flagIf(bShowProgress, FOF_SIMPLEPROGRESS) |
                                      flagIf(bShowDialog, FOF_NOCONFIRMATION) |
                                      flagIf(bShowConfirmationDialog, FOF_SILENT) |
                                      flagIf(bDeleteToRecycleBin, FOF_ALLOWUNDO))};
}

Request moveRequest(const std::wstring& sources, const std::wstring& dests) {
    return {FO_MOVE, sources, dests, FOF_MULTIDESTFILES | kQuietRename};
}

Request renameRequest(const std::wstring& sSource, const std::wstring& sDest) {
    return {FO_RENAME, sSource, sDest, kQuietRename};
}

DWORD recycleBinFlags(bool bShowConfirmationDialog, bool bShowProgress, bool bSound) {
    return flagIf(!bShowConfirmationDialog, SHERB_NOCONFIRMATION) | flagIf(!bShowProgress, SHERB_NOPROGRESSUI) |
           flagIf(!bSound, SHERB_NOSOUND);
}

std::wstring addDoubleNull(std::wstring& s) {
    const std::wstring two(2, L'\0');
    if (s.size() < 2 || s.compare(s.size() - 2, 2, two) != 0) s.append(!s.empty() && s.back() == L'\0' ? 1 : 2, L'\0');
    return s;
}

bool succeeds(Request request) {
    addDoubleNull(request.pFrom);
    addDoubleNull(request.pTo);
    const std::optional<std::string> from = shellNames(request.pFrom), to = shellNames(request.pTo);
    if (!from || !to) return false;
    SHFILEOPSTRUCTA op{};
    op.wFunc = request.wFunc;
    op.pFrom = from->c_str();
    op.pTo = to->c_str();
    op.fFlags = request.fFlags;
    return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace ShellFileOperation
