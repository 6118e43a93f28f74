#include "support/cTextFiles.h"

#include <windows.h>

#include <string_view>

#include "runtime/Ansi.h"
#include "runtime/Handles.h"
#include "runtime/RuntimeError.h"
#include "support/FileStatements.h"
#include "support/PathLimits.h"
#include "support/RewrittenFile.h"
#include "support/cPathExt.h"

namespace {

using FileStatements::raiseFileError;

constexpr DWORD kChunk = 65536;
constexpr char kCrLf[] = "\r\n";

// `name` for the ANSI file calls. A name they do not take raises the error
// they give for it: one the code page does not hold as a bad name, a longer
// one than they take as one out of range.
std::string fileName(const std::wstring& name) { return FileStatements::ansiFileName(name, ERROR_INVALID_NAME); }

rt::unique_hfile openFile(const std::wstring& name, DWORD access, DWORD share, DWORD disposition) {
    HANDLE h = CreateFileA(fileName(name).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) raiseFileError(GetLastError());
    return rt::unique_hfile(h);
}

rt::unique_hfile openForReading(const std::wstring& name) {
    return openFile(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

rt::unique_hfile openForWriting(const std::wstring& name, DWORD disposition) {
    return openFile(name, GENERIC_WRITE, FILE_SHARE_READ, disposition);
}

// The runtime's file positions are signed 32-bit numbers: a file beyond them
// is neither read nor made.
constexpr uint64_t kLargestFile = INT32_MAX;

// The file's length, read with all its 64 bits; a file beyond the runtime's
// positions is refused as a full disk, as one that would grow beyond them is.
DWORD fileLength(HANDLE h) {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(h, &length)) raiseFileError(GetLastError());
    if (static_cast<uint64_t>(length.QuadPart) > kLargestFile) raiseFileError(ERROR_DISK_FULL);
    return static_cast<DWORD>(length.QuadPart);
}

void moveTo(HANDLE h, int64_t distance, DWORD method) {
    LARGE_INTEGER to{};
    to.QuadPart = distance;
    if (!SetFilePointerEx(h, to, nullptr, method)) raiseFileError(GetLastError());
}

// `count` bytes from byte `position` (0-based).
std::string readBytesAt(HANDLE h, DWORD position, DWORD count) {
    moveTo(h, position, FILE_BEGIN);
    std::string bytes(count, '\0');
    DWORD got = 0;
    if (count && !ReadFile(h, bytes.data(), count, &got, nullptr)) raiseFileError(GetLastError());
    bytes.resize(got);
    return bytes;
}

std::string readAllBytes(const std::wstring& name) {
    rt::unique_hfile f = openForReading(name);
    return readBytesAt(f.get(), 0, fileLength(f.get()));
}

void writeBytes(HANDLE h, std::string_view bytes) {
    DWORD written = 0;
    if (!bytes.empty() && !WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        raiseFileError(GetLastError());
    if (written != bytes.size()) raiseFileError(ERROR_DISK_FULL);
}

void closeFile(rt::unique_hfile f) {
    if (!CloseHandle(f.release())) raiseFileError(GetLastError());
}

void writeWholeFile(const std::wstring& name, std::string_view bytes, DWORD disposition) {
    rt::unique_hfile f = openForWriting(name, disposition);
    if (disposition == OPEN_ALWAYS) moveTo(f.get(), 0, FILE_END);
    writeBytes(f.get(), bytes);
    closeFile(std::move(f));
}

// Writes `emptyLines` lines of nothing but CR LF, a block at a time.
void writeEmptyLines(HANDLE h, uint64_t emptyLines) {
    static const std::string block = [] {
        std::string lines;
        for (DWORD i = 0; i < kChunk / 2; ++i) lines += kCrLf;
        return lines;
    }();
    for (uint64_t left = emptyLines; left > 0;) {
        const uint64_t now = left < kChunk / 2 ? left : kChunk / 2;
        writeBytes(h, std::string_view(block).substr(0, 2 * now));
        left -= now;
    }
}

// Writes the file, opened with `disposition`, from `head`, `emptyLines` empty
// lines (none when 0 or less) and `tail`. A file that would outgrow the
// runtime's positions is refused as a full disk before anything is made.
void writeWithEmptyLines(const std::wstring& name, DWORD disposition, std::string_view head, int64_t emptyLines,
                         std::string_view tail) {
    const uint64_t lines = emptyLines > 0 ? static_cast<uint64_t>(emptyLines) : 0;
    if (head.size() + 2 * lines + tail.size() > kLargestFile) raiseFileError(ERROR_DISK_FULL);
    rt::unique_hfile f = openForWriting(name, disposition);
    writeBytes(f.get(), head);
    writeEmptyLines(f.get(), lines);
    writeBytes(f.get(), tail);
    closeFile(std::move(f));
}

// The next line from `pos`: it ends at CR or CR LF (consumed) or at the end.
std::string_view nextLine(std::string_view bytes, size_t& pos) {
    size_t start = pos;
    size_t cr = bytes.find('\r', start);
    if (cr == std::string_view::npos) {
        pos = bytes.size();
        return bytes.substr(start);
    }
    pos = cr + 1;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    return bytes.substr(start, cr - start);
}

// The folder part of a file name, with its trailing "\" ("" for a bare name).
std::string folderOf(const std::string& file) {
    DWORD size = GetFullPathNameA(file.c_str(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::string full(size, '\0');
    char* namePart = nullptr;
    DWORD n = GetFullPathNameA(file.c_str(), size, full.data(), &namePart);
    if (n == 0 || n >= size || !namePart) return {};
    return std::string(full.data(), namePart);
}

// Deletes a temporary file when the scope ends, whatever happened.
class TempFileGuard {
public:
    explicit TempFileGuard(std::string name) : name_(std::move(name)) {}
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;
    ~TempFileGuard() {
        if (!name_.empty()) DeleteFileA(name_.c_str());
    }

private:
    std::string name_;
};

}  // namespace

// The same directory match as the path object's: files only, wildcards
// allowed; a name longer than the file calls take is no file.
bool cTextFiles::textFileExists(const std::wstring& sFile) const { return cPathExt().fileExists(sFile); }

void cTextFiles::appendLine(const std::wstring& sFile, const std::wstring& sLine) {
    writeWholeFile(sFile, rt::toAnsi(sLine) + kCrLf, OPEN_ALWAYS);
}

int32_t cTextFiles::countLines(const std::wstring& sFile) {
    if (!textFileExists(sFile)) return 0;
    rt::unique_hfile f = openForReading(sFile);
    DWORD length = fileLength(f.get());
    if (length == 0) return 0;
    int32_t count = 0;
    for (DWORD position = 0; position != length;) {
        DWORD chunk = length - position < kChunk ? length - position : kChunk;
        count += countLinesFromString(rt::fromAnsi(readBytesAt(f.get(), position, chunk))).toLong();
        position += chunk;
    }
    ++count;
    if (readBytesAt(f.get(), length - 1, 1) == "\n") --count;
    return count;
}

rt::Variant cTextFiles::countLinesFromString(const std::wstring& sContent) {
    int32_t count = 0;
    for (size_t p = sContent.find(L'\n'); p != std::wstring::npos; p = sContent.find(L'\n', p + 1)) ++count;
    return rt::Variant(count);
}

std::wstring cTextFiles::readFile(const std::wstring& sFile) {
    if (!textFileExists(sFile)) return {};
    return rt::fromAnsi(readAllBytes(sFile));
}

std::wstring cTextFiles::readLine(const std::wstring& sFile, int32_t lLine) {
    if (lLine < 1 || !textFileExists(sFile)) return {};
    std::string bytes = readAllBytes(sFile);
    size_t pos = 0;
    std::string_view line;
    int32_t n = 0;
    while (pos < bytes.size() && n < lLine) {
        ++n;
        line = nextLine(bytes, pos);
    }
    return n < lLine ? std::wstring() : rt::fromAnsi(line);
}

bool cTextFiles::writeFile(const std::wstring& sFile, const std::wstring& sContent) {
    writeWholeFile(sFile, rt::toAnsi(sContent) + kCrLf, CREATE_ALWAYS);
    return true;
}

bool cTextFiles::writeLine(const std::wstring& sFile, int32_t lLine, const std::wstring& sLine) {
    const std::string line = rt::toAnsi(sLine) + kCrLf;
    if (!textFileExists(sFile)) {
        // The match misses a file in a folder that cannot be listed, and one
        // made since: only a file really missing is made, never one emptied.
        writeWithEmptyLines(sFile, CREATE_NEW, {}, int64_t{lLine} - 1, line);
        return true;
    }
    // Wine renames over a read-only file as over any other: refused here, as
    // Windows' rename would, before anything is staged.
    if (FileStatements::getAttr(sFile) & FILE_ATTRIBUTE_READONLY) raiseFileError(ERROR_ACCESS_DENIED);
    std::wstring temp = tempFileBeside(sFile);
    TempFileGuard guard(rt::toAnsi(temp));
    int32_t lines = 0;
    const std::string rewritten = rewrittenLines(sFile, lLine, line, lines);
    if (lines < lLine)
        writeWithEmptyLines(temp, CREATE_ALWAYS, rewritten, lLine - 1 - lines, line);
    else
        writeWithEmptyLines(temp, CREATE_ALWAYS, rewritten, 0, {});
    keepAttributes(sFile, temp);
    replaceFile(temp, sFile);
    return true;
}

std::string cTextFiles::rewrittenLines(const std::wstring& sFile, int32_t lLine, std::string_view newLine,
                                       int32_t& lines) const {
    std::string bytes = readAllBytes(sFile);
    std::string out;
    out.reserve(bytes.size() + newLine.size());
    size_t pos = 0;
    lines = 0;
    while (pos < bytes.size()) {
        ++lines;
        std::string_view line = nextLine(bytes, pos);
        if (lines == lLine)
            out += newLine;
        else
            (out += line) += kCrLf;
    }
    return out;
}

// The rewritten file is to be hidden or system as the one it replaces was,
// and archive, as any changed file.
void cTextFiles::keepAttributes(const std::wstring& sFile, const std::wstring& temp) const {
    FileStatements::setAttr(temp, RewrittenFile::attributes(FileStatements::getAttr(sFile)));
}

void cTextFiles::replaceFile(const std::wstring& temp, const std::wstring& sFile) const {
    if (!MoveFileExA(rt::toAnsi(temp).c_str(), fileName(sFile).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        raiseFileError(GetLastError());
}

// The new content is staged in the file's own folder: the replacing step is
// then a rename on one volume, and the new file gets that folder's access
// rights, as a file written there in place would (not the temporary folder's).
// The call makes the file itself, so a folder too long for it is refused
// first: it would make one name and report another, cut short.
std::wstring cTextFiles::tempFileBeside(const std::wstring& sFile) const {
    std::string folder = folderOf(fileName(sFile));
    if (folder.empty()) raiseFileError(GetLastError());
    if (!PathLimits::fits(folder, PathLimits::kTempFolder)) raiseFileError(ERROR_FILENAME_EXCED_RANGE);
    // The call may write up to MAX_PATH characters, whatever the caller hopes.
    char name[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.c_str(), "txt", 0, name)) raiseFileError(GetLastError());
    return rt::fromAnsiBuffer(name, sizeof name);
}
