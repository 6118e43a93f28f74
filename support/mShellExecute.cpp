#include "support/mShellExecute.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>

#include "runtime/Ansi.h"
#include "runtime/ShellApartment.h"
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

int32_t callShell(int32_t hWnd, const std::wstring& op, const std::wstring& file, const std::wstring& params,
                  const std::wstring& dir, int32_t show) {
    rt::enterShellApartment();
    HINSTANCE h =
        ShellCalls::ShellExecuteA(reinterpret_cast<HWND>(static_cast<intptr_t>(hWnd)), rt::toAnsi(op).c_str(),
                                  rt::toAnsi(file).c_str(), rt::toAnsi(params).c_str(), rt::toAnsi(dir).c_str(), show);
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
