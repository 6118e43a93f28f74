// The file-operations object's shell operations, shredder, trim and tree delete.
#include "support/cFileFunctions.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <optional>
#include <random>

#include "runtime/Handles.h"
#include "runtime/MessagePump.h"
#include "runtime/RuntimeError.h"
#include "support/FileStatements.h"
#include "support/FolderLinks.h"
#include "support/FullPaths.h"
#include "support/PathLimits.h"
#include "support/ShellFileOperation.h"
#include "support/TransferPlan.h"
#include "support/cPathExt.h"

namespace {

using namespace FileStatements;
using namespace TransferPlan;
namespace Shell = ShellFileOperation;
using Bytes = std::vector<uint8_t>;

constexpr DWORD kBlock = 32768;
constexpr DWORD kShredFlags = FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_ARCHIVE;

// The shell's copy, move or rename of the planned items (none: nothing to
// do), believed only as far as the files show it.
template <typename MakeRequest>
bool doneByShell(const std::optional<Items>& items, bool moves, MakeRequest request) {
    return items && Shell::succeeds(request(*items)) && done(*items, moves);
}

rt::unique_hfile openForWriting(const std::wstring& file, DWORD share, DWORD flags) {
    const std::optional<std::string> name = PathLimits::callName(file);
    if (!name) return {};
    HANDLE h = CreateFileA(name->c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, flags, nullptr);
    return rt::unique_hfile(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// Read-only, alone or with any of hidden, system and archive, becomes archive only.
void clearReadOnly(const std::wstring& file) {
    constexpr uint32_t readOnlyForms[] = {1, 3, 5, 7, 33, 35, 37, 39};
    uint32_t attributes = getAttr(file);
    if (std::find(std::begin(readOnlyForms), std::end(readOnlyForms), attributes) != std::end(readOnlyForms))
        setAttr(file, FILE_ATTRIBUTE_ARCHIVE);
}

// False when the system refuses the write or takes only part of it (a full drive, say).
bool writeBytes(HANDLE file, const Bytes& bytes) {
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

bool moveTo(HANDLE file, int64_t position) {
    LARGE_INTEGER to{};
    to.QuadPart = position;
    return SetFilePointerEx(file, to, nullptr, FILE_BEGIN);
}

// Cuts `bytes` off the end of the file, or all of it when it is shorter.
// Where the system gives no length or no new position, the file stays whole;
// False too when it refuses the new end (a mapped view of the file, say).
bool cutEnd(HANDLE file, int32_t bytes) {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file, &length)) return false;
    if (!moveTo(file, length.QuadPart > bytes ? length.QuadPart - bytes : 0)) return false;
    return SetEndOfFile(file) != FALSE;
}

// One pass from the start: each whole block as `block`() gives it, then the
// rest filled with `restValue`, then back to the start. False when a write
// fails or falls short (what it was to cover may still hold the old bytes),
// or when the start cannot be reached again: a next pass would write past the end.
template <typename Block, typename AfterBlock>
bool shredPass(HANDLE file, int64_t blocks, DWORD rest, Block block, uint8_t restValue, AfterBlock afterBlock) {
    for (int64_t i = 0; i < blocks; ++i) {
        if (!writeBytes(file, block())) return false;
        afterBlock();
    }
    return writeBytes(file, Bytes(rest, restValue)) && moveTo(file, 0);
}

// A link to a folder goes only when the system confirms that it is one:
// then removing it removes the link. Where it cannot tell (Wine would remove
// what the link leads to), the link stays and removing its parent fails.
void removeFolderLink(const std::wstring& path) {
    if (IsReparseTagNameSurrogate(FolderLinks::reparseTag(path))) rmDir(path);
}

// Asked with a trailing separator, Wine reports a link to a folder as a plain folder.
std::wstring withoutTrailingSeparators(const std::wstring& path) {
    return path.substr(0, path.find_last_not_of(L"\\/") + 1);
}

// Each name of a list of names separated by NUL characters (those that end
// the list aside) must be a full path below a root.
void requireEachBelowRoot(const std::wstring& names) {
    const std::wstring list = names.substr(0, names.find_last_not_of(L'\0') + 1);
    for (size_t at = 0, end = 0; end != std::wstring::npos; at = end + 1) {
        end = list.find(L'\0', at);
        FullPaths::requireBelowRoot(list.substr(at, end == std::wstring::npos ? end : end - at));
    }
}

// The folder's files and folders, deepest first, then the folder itself.
void deleteTree(const std::wstring& folder) {
    for (const std::wstring& name : dirEntries(folder + L"\\*.*", attrDirectory)) {
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        const uint32_t attributes = getAttr(path);
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            kill(path);
        else if (FolderLinks::leadsElsewhere(path, attributes))
            removeFolderLink(path);
        else
            deleteTree(path);
    }
    rmDir(folder);
}

}  // namespace

bool cFileFunctions::fileExistsInternal(const std::wstring& sFile) { return cPathExt().fileExists(sFile); }

bool cFileFunctions::emtyRecycleBin(bool bShowConfirmationDialog, bool bShowProgress, bool bSound) {
    DWORD flags = ShellFileOperation::recycleBinFlags(bShowConfirmationDialog, bShowProgress, bSound);
    return SHEmptyRecycleBinA(nullptr, nullptr, flags) == S_OK;
}

bool cFileFunctions::fileCopy(const std::wstring& sSource, const std::wstring& sDest, bool bOverwrite) {
    return doneByShell(plan(bOverwrite ? Mode::Overwrite : Mode::Copy, sSource, sDest), false, [&](const Items& items) {
        return bOverwrite ? Shell::overwritingCopyRequest(sSource, sDest)
                          : Shell::copyRequest(sourcesOf(items), destsOf(items));
    });
}

bool cFileFunctions::fileDelete(const std::wstring& sSource, bool bNoSubDirs, bool bShowProgress, bool bShowDialog,
                                bool bShowConfirmationDialog, bool bDeleteToRecycleBin) {
    requireEachBelowRoot(sSource);  // the shell takes a bare drive as all of its root
    return Shell::succeeds(Shell::deleteRequest(
        sSource, bNoSubDirs, bShowProgress, bShowDialog, bShowConfirmationDialog, bDeleteToRecycleBin));
}

bool cFileFunctions::fileMove(const std::wstring& sSource, const std::wstring& sDest) {
    return doneByShell(plan(Mode::Move, sSource, sDest), true,
                       [](const Items& items) { return Shell::moveRequest(sourcesOf(items), destsOf(items)); });
}

bool cFileFunctions::fileRename(const std::wstring& sSource, const std::wstring& sDest) {
    return doneByShell(plan(Mode::Rename, sSource, sDest), true, [](const Items& items) {
        return Shell::renameRequest(items.front().source, items.front().dest);
    });
}

bool cFileFunctions::fileShredder(const std::wstring& sFile, int32_t lCount) {
    FullPaths::requireBelowRoot(sFile);
    const int64_t length = fileLen(sFile);
    const int64_t blocks = length / kBlock;
    const DWORD rest = static_cast<DWORD>(length - blocks * kBlock);
    clearReadOnly(sFile);
    rt::unique_hfile file = openForWriting(sFile, 0, kShredFlags);
    if (!file) return false;
    const Bytes zeros(kBlock, 0), ones(kBlock, 255);
    auto same = [](const Bytes& bytes) { return [&bytes]() -> const Bytes& { return bytes; }; };
    auto nothing = [] {};
    for (int32_t i = 0; i < lCount; ++i) {
        if (!(shredPass(file.get(), blocks, rest, same(zeros), 90, [] { rt::DoEvents(); }) &&
              shredPass(file.get(), blocks, rest, same(ones), 255, nothing) &&
              shredPass(file.get(), blocks, rest, same(ones), 140, nothing)))
            return false;
    }
    std::mt19937 random(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> anyButZero(1, 255);
    Bytes block(kBlock);
    auto randomBlock = [&]() -> const Bytes& {
        std::fill(block.begin(), block.end(), static_cast<uint8_t>(anyButZero(random)));
        return block;
    };
    for (int32_t i = 0; i < lCount; ++i) {
        rt::DoEvents();
        if (!shredPass(file.get(), blocks, rest, randomBlock, static_cast<uint8_t>(anyButZero(random)), nothing))
            return false;
    }
    return true;  // the file goes when its handle closes
}

bool cFileFunctions::fileTrim(const std::wstring& sFile, int32_t lBytes) {
    if (!fileExistsInternal(sFile)) return false;
    if (lBytes == INT32_MIN) rt::raiseStandard(rt::errOverflow);
    if (lBytes < 0) rt::raiseStandard(rt::errInvalidCall);  // the end would move past the file's end: it would grow
    rt::unique_hfile file = openForWriting(sFile, FILE_SHARE_READ, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file) return false;
    return cutEnd(file.get(), lBytes);
}

bool cFileFunctions::folderDelete(const std::wstring& sFolder) {
    FullPaths::requireBelowRoot(sFolder);
    const std::wstring folder = withoutTrailingSeparators(sFolder);
    // A link to a folder goes itself (or stays, with an error, where the
    // system cannot tell it is one); what it leads to is never walked.
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && FolderLinks::leadsElsewhere(folder, attributes)) {
        removeFolderLink(folder);
        if (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) rt::raiseStandard(rt::errPathFileAccess);
        return true;
    }
    deleteTree(folder);
    return true;
}

bool cFileFunctions::killFile(const std::wstring& sFile, bool bWriteProtect, bool bHidden) {
    return cPathExt().killFile(sFile, bWriteProtect, bHidden);
}
