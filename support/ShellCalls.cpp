#include "support/ShellCalls.h"

#include <shellapi.h>

#include "runtime/LateLibrary.h"

namespace ShellCalls {
namespace {

// The shell's function of that name and type; null without the library.
template <typename Function>
Function* shellFunction(const char* name) {
    return rt::lateFunction<Function>(L"shell32.dll", name);
}

constexpr INT_PTR kDllNotFound = SE_ERR_DLLNOTFOUND;

}  // namespace

HINSTANCE ShellExecuteA(HWND hwnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCommand) {
    auto* execute = shellFunction<decltype(::ShellExecuteA)>("ShellExecuteA");
    return execute ? execute(hwnd, operation, file, parameters, directory, showCommand)
                   : reinterpret_cast<HINSTANCE>(kDllNotFound);
}

HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, ITEMIDLIST** list) {
    auto* locate = shellFunction<decltype(::SHGetSpecialFolderLocation)>("SHGetSpecialFolderLocation");
    return locate ? locate(owner, folder, list) : E_FAIL;
}

BOOL SHGetPathFromIDListA(const ITEMIDLIST* list, char* path) {
    auto* name = shellFunction<decltype(::SHGetPathFromIDListA)>("SHGetPathFromIDListA");
    return name ? name(list, path) : FALSE;
}

void ILFree(ITEMIDLIST* list) {
    if (auto* release = shellFunction<decltype(::ILFree)>("ILFree")) release(list);
}

}  // namespace ShellCalls
