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

// A copy that may replace: the shell asks first. Several destinations when
// the source holds two NULs in a row.
Request overwritingCopyRequest(const std::wstring& sSource, const std::wstring& sDest);
// Each source of the list to the name at the same place in `dests` (both
// lists separated by NULs), names chosen free beforehand; one taken
// meanwhile still gets a new name where the shell honours that.
Request copyRequest(const std::wstring& sources, const std::wstring& dests);
// bShowDialog asks for no confirmation and bShowConfirmationDialog for no
// progress window: the flags these options have always set.
Request deleteRequest(const std::wstring& sSource, bool bNoSubDirs, bool bShowProgress, bool bShowDialog,
                      bool bShowConfirmationDialog, bool bDeleteToRecycleBin);
// As copyRequest, with no progress window.
Request moveRequest(const std::wstring& sources, const std::wstring& dests);
Request renameRequest(const std::wstring& sSource, const std::wstring& sDest);

// SHEmptyRecycleBinA's flags: each option left False leaves its UI out.
DWORD recycleBinFlags(bool bShowConfirmationDialog, bool bShowProgress, bool bSound);

// Makes `s` end in two NUL characters (adding one or two) and returns it.
std::wstring addDoubleNull(std::wstring& s);

// Runs the request with no owner window, each list ended by two NULs;
// True when the shell reports success and cancelled nothing (Wine
// reports success for a confirmation answered "no").
bool succeeds(Request request);

}  // namespace ShellFileOperation
