#include "runtime/ShellApartment.h"

#include <objbase.h>
#include <windows.h>

namespace rt {
namespace {

struct Apartment {
    bool entered = false;  // and to be left
    DWORD thread = 0;
};

Apartment& apartment() {
    static Apartment a;
    return a;
}

// A function of ole32, which is loaded on first use and stays.
FARPROC ole32Function(const char* name) {
    static const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    return ole32 ? GetProcAddress(ole32, name) : nullptr;
}

}  // namespace

void enterShellApartment() {
    Apartment& a = apartment();
    if (a.entered) return;
    using Initialize = HRESULT(WINAPI*)(void*, DWORD);
    auto initialize = reinterpret_cast<Initialize>(ole32Function("CoInitializeEx"));
    if (!initialize) return;
    // S_FALSE (in it already) also wants its CoUninitialize.
    a.entered = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    a.thread = GetCurrentThreadId();
}

void leaveShellApartment() {
    Apartment& a = apartment();
    if (!a.entered || a.thread != GetCurrentThreadId()) return;
    using Uninitialize = void(WINAPI*)();
    if (auto uninitialize = reinterpret_cast<Uninitialize>(ole32Function("CoUninitialize"))) uninitialize();
    a.entered = false;
}

}  // namespace rt
