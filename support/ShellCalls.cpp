#include "support/ShellCalls.h"

#include <shellapi.h>

namespace ShellCalls {
namespace {

// The shell library, loaded on the first call and kept.
HMODULE shell32() {
    static const HMODULE library = LoadLibraryW(L"shell32.dll");
    return library;
}

// The shell's function of that name and type; null without the library.
template <typename Function>
Function* shellFunction(const char* name) {
    return reinterpret_cast<Function*>(shell32() ? GetProcAddress(shell32(), name) : nullptr);
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
