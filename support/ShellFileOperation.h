#pragma once
// The shell's file operation (SHFileOperationA) as the file-operations
// object asks for it: the operation, its source and destination lists and
// its flags; and the recycle bin's emptying flags.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace ShellFileOperation {

struct Request {
    UINT wFunc = 0;
    std::wstring pFrom;  // names separated by NULs
    std::wstring pTo;
    FILEOP_FLAGS fFlags = 0;
};

// A copy renames on a name collision unless bOverwrite; several destinations
// when the source holds two NULs in a row.
Request copyRequest(const std::wstring& sSource, const std::wstring& sDest, bool bOverwrite);
// bShowDialog asks for no confirmation and bShowConfirmationDialog for no
// progress window: the flags these options have always set.
Request deleteRequest(const std::wstring& sSource, bool bNoSubDirs, bool bShowProgress, bool bShowDialog,
                      bool bShowConfirmationDialog, bool bDeleteToRecycleBin);
Request moveRequest(const std::wstring& sSource, const std::wstring& sDest);
Request renameRequest(const std::wstring& sSource, const std::wstring& sDest);

// SHEmptyRecycleBinA's flags: each option left False leaves its UI out.
DWORD recycleBinFlags(bool bShowConfirmationDialog, bool bShowProgress, bool bSound);

// Makes `s` end in two NUL characters (adding one or two) and returns it.
std::wstring addDoubleNull(std::wstring& s);

// Runs the request with no owner window, each list ended by two NULs;
// True when the shell reports success.
bool succeeds(Request request);

}  // namespace ShellFileOperation
