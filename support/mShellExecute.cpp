#include "support/mShellExecute.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cwctype>

#include "runtime/Ansi.h"
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
    HINSTANCE h = ShellExecuteA(reinterpret_cast<HWND>(static_cast<intptr_t>(hWnd)), rt::toAnsi(op).c_str(),
                                rt::toAnsi(file).c_str(), rt::toAnsi(params).c_str(), rt::toAnsi(dir).c_str(), show);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(h));
}

bool accepted(int32_t shellNumber) { return shellNumber > 32 || shellNumber < 0; }

}  // namespace

ShellError shellErrorFor(int32_t n) {
    switch (n) {
        case 0:
        case 8: return {7, L"Out of memory"};
        case 2: return {53, L"File not found"};
        case 3: return {76, L"Path not found"};
        case 5: return {75, L"Path/file access error"};
        case 11: return {kShellErrorBase + n, L"The executable file is invalid or corrupt"};
        case 26: return {75, L"A sharing violation occurred."};
        case 27: return {kShellErrorBase + n, L"This file type does not have a valid file association."};
        case 28: return {286, L"The file could not be opened due to time out.  Please try again in a moment."};
        case 29:
            return {285, L"The file could not be opened because the DDE transaction failed.  Please try again in a moment."};
        case 30:
            return {285,
                    L"The file could not be opened because the target application is busy.  Please try again in a moment."};
        case 31: return {kShellErrorBase + n, L"No application is associated with this file type."};
        case 32: return {48, L"The specified dynamic-link library was not found."};
        default:
            return {kShellErrorBase + n, L"An error occurred occurred whilst trying to open or print the selected file."};
    }
}

bool shellExecute(const std::wstring& sFile, int32_t lShowCmd, const std::wstring& sParams,
                  const std::wstring& sDir, const std::wstring& sOperation, int32_t hWnd) {
    if (namesProgram(sFile)) lShowCmd = kShowHidden;
    int32_t result = (!sParams.empty() || !sDir.empty())
                         ? callShell(hWnd, sOperation, sFile, sParams, sDir, lShowCmd)
                         : callShell(hWnd, sOperation, sFile, L"", L"", kShowNormal);
    if (accepted(result)) return true;
    ShellError e = shellErrorFor(result);
    modTrace::Trace(L"mShellExecute.shellExecute", result, e.number, e.message);
    return false;
}

}  // namespace mShellExecute
