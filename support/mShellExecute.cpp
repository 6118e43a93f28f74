#include "support/mShellExecute.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/ShellApartment.h"
#include "support/EnvironmentStrings.h"
#include "support/PathLimits.h"
#include "support/ShellCalls.h"
#include "support/modTrace.h"

namespace mShellExecute {
namespace {

constexpr int32_t kShellErrorBase = static_cast<int32_t>(0x80040418u);
constexpr int32_t kShowHidden = 0, kShowNormal = 1;

bool namesProgram(const std::wstring& sFile) {
    std::wstring upper = sFile;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });
    return upper.find(L".EXE") != std::wstring::npos;
}

// What the shell answers when it cannot find the file or the folder, or has
// no room for the command line.
constexpr int32_t kFileNotFound = 2, kPathNotFound = 3, kNoResources = 0;
// A program's command line, its NUL included: the shell cuts a longer one
// and still reports success.
constexpr size_t kLongestCommandLine = 32767;

// The file or folder as the shell is to get it: held by the code page, no
// longer than the shell's path buffers (Wine's overruns them), and left as
// it is by the environment expansion the shell makes (a game in x%OS%x must
// not turn into whatever lies in xWindows_NTx). None when it would read
// another path.
std::optional<std::string> shellPath(const std::wstring& path) {
    std::optional<std::string> ansi = PathLimits::callName(path);
    if (ansi && EnvironmentStrings::expanded(*ansi) != ansi) return std::nullopt;
    return ansi;
}

// The shell's number for the request; the refusal the shell would give for a
// file or folder it would read as another, or parameters it would cut.
int32_t callShell(int32_t hWnd, const std::wstring& op, const std::wstring& file, const std::wstring& params,
                  const std::wstring& dir, int32_t show) {
    const std::optional<std::string> ansiFile = shellPath(file), ansiDir = shellPath(dir);
    const std::string ansiParams = rt::toAnsi(params);
    if (!ansiFile) return kFileNotFound;
    if (!ansiDir) return kPathNotFound;
    if (ansiFile->size() + ansiParams.size() + 4 > kLongestCommandLine) return kNoResources;  // quotes, blank, NUL
    rt::enterShellApartment();
    HINSTANCE h = ShellCalls::ShellExecuteA(reinterpret_cast<HWND>(static_cast<intptr_t>(hWnd)),
                                            rt::toAnsi(op).c_str(), ansiFile->c_str(), ansiParams.c_str(),
                                            ansiDir->c_str(), show);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(h));
}

bool accepted(int32_t shellNumber) { return shellNumber > 32 || shellNumber < 0; }

struct ShellError {
    int32_t shellNumber;
    int32_t number;  // kShellErrorBase + the shell's number where none fits better
    const wchar_t* message;
};

const ShellError kShellErrors[] = {
    {0, 7, L"Out of memory"},
    {8, 7, L"Out of memory"},
    {2, 53, L"File not found"},
    {3, 76, L"Path not found"},
    {5, 75, L"Path/file access error"},
    {11, kShellErrorBase + 11, L"The executable file is invalid or corrupt"},
    {26, 75, L"A sharing violation occurred."},
    {27, kShellErrorBase + 27, L"This file type does not have a valid file association."},
    {28, 286, L"The file could not be opened due to time out.  Please try again in a moment."},
    {29, 285, L"The file could not be opened because the DDE transaction failed.  Please try again in a moment."},
    {30, 285, L"The file could not be opened because the target application is busy.  Please try again in a moment."},
    {31, kShellErrorBase + 31, L"No application is associated with this file type."},
    {32, 48, L"The specified dynamic-link library was not found."},
};

ShellError shellErrorFor(int32_t shellNumber) {
    for (const ShellError& e : kShellErrors)
        if (e.shellNumber == shellNumber) return e;
    return {shellNumber, kShellErrorBase + shellNumber,
            L"An error occurred occurred whilst trying to open or print the selected file."};
}

}  // namespace

bool shellExecute(const std::wstring& sFile, int32_t lShowCmd, const std::wstring& sParams, const std::wstring& sDir,
                  const std::wstring& sOperation, int32_t hWnd) {
    if (namesProgram(sFile)) lShowCmd = kShowHidden;
    int32_t result = (!sParams.empty() || !sDir.empty()) ? callShell(hWnd, sOperation, sFile, sParams, sDir, lShowCmd)
                                                         : callShell(hWnd, sOperation, sFile, L"", L"", kShowNormal);
    if (accepted(result)) return true;
    ShellError e = shellErrorFor(result);
    modTrace::Trace(L"mShellExecute.shellExecute", result, e.number, e.message);
    return false;
}

}  // namespace mShellExecute
