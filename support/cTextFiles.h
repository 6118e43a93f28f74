#pragma once
// Text files read and written whole or by line. Files are ANSI text; a line
// written here ends with CR LF. A line read ends at CR or CR LF (both
// consumed) or at the end of the file; a lone LF stays inside the line.
// No file stays open between calls; failures raise the runtime's file errors
// (53 file not found, 70 permission denied, 75 path/file access, 76 path
// not found, ...) to the caller. A file longer than 2^31 - 1 bytes is beyond
// the runtime's file positions: the members that read it raise 61 (disk
// full) and leave it as it is; appendLine adds to its end.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/Variant.h"

class cTextFiles {
public:
    // Appends sLine and CR LF, creating the file when missing.
    void appendLine(const std::wstring& sFile, const std::wstring& sLine);

    // The number of LFs plus 1, less 1 when the last byte is an LF; 0 for a
    // missing file. An empty (0-byte) file has no line, as readLine sees it,
    // so it counts 0.
    int32_t countLines(const std::wstring& sFile);

    // The number of LFs in sContent, as a Long.
    rt::Variant countLinesFromString(const std::wstring& sContent);

    // The whole file unchanged (line ends and NULs kept); "" when missing.
    std::wstring readFile(const std::wstring& sFile);

    // Line lLine, counting from 1; "" when the file is missing or shorter.
    std::wstring readLine(const std::wstring& sFile, int32_t lLine);

    // Replaces the file's content by sContent and CR LF.
    bool writeFile(const std::wstring& sFile, const std::wstring& sContent);

    // Replaces line lLine (padding with empty lines when the file is shorter)
    // and rewrites every line with CR LF. The original file is replaced only
    // once the new content is complete; on any failure it stays as it was,
    // the temporary file is removed and the error is raised. The rewritten
    // file keeps the original's hidden and system attributes and is marked
    // archive, as a changed file; a read-only one raises 75 before anything
    // is staged. A file that would grow beyond 2^31 - 1 bytes raises 61
    // (disk full). A file the directory match does not show is made only
    // when it is really missing: one there all the same (in a folder that
    // cannot be listed, or made meanwhile) raises 75 and stays whole.
    bool writeLine(const std::wstring& sFile, int32_t lLine, const std::wstring& sLine);

private:
    // True when a file (not a folder) matches sFile; wildcards allowed.
    bool textFileExists(const std::wstring& sFile) const;
    // Creates a new empty temporary file beside sFile and returns its full name.
    std::wstring tempFileBeside(const std::wstring& sFile) const;
    // The lines of sFile, each ended by CR LF, line lLine replaced by
    // `newLine` (its CR LF included); `lines` gets how many there were.
    std::string rewrittenLines(const std::wstring& sFile, int32_t lLine, std::string_view newLine,
                               int32_t& lines) const;
    // Gives the staged file the hidden and system bits of sFile, and archive.
    void keepAttributes(const std::wstring& sFile, const std::wstring& temp) const;
    // Puts the finished temp file in place of sFile in one step.
    void replaceFile(const std::wstring& temp, const std::wstring& sFile) const;
};
