#pragma once
// A function of a system library that the start does without: the library
// is loaded on the first call that needs it and stays for the rest of the run.
#include <windows.h>

namespace rt {

// The library's function of that name and type; null when either cannot be had.
template <typename Function>
Function* lateFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryW(library);
    return module ? reinterpret_cast<Function*>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace rt
