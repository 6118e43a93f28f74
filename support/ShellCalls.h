#pragma once
// The shell functions the program calls, with the shell library loaded on
// the first of them rather than at start: the start needs none. Each answers
// as the shell would when the library cannot be had.
#include <windows.h>
#include <shlobj.h>

namespace ShellCalls {

HINSTANCE ShellExecuteA(HWND hwnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCommand);
HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, ITEMIDLIST** list);
BOOL SHGetPathFromIDListA(const ITEMIDLIST* list, char* path);
void ILFree(ITEMIDLIST* list);

}  // namespace ShellCalls
