#include "runtime/ShellApartment.h"

#include <objbase.h>
#include <windows.h>

#include "runtime/LateLibrary.h"

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

}  // namespace

void enterShellApartment() {
    Apartment& a = apartment();
    if (a.entered) return;
    auto* initialize = lateFunction<decltype(::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    if (!initialize) return;
    // S_FALSE (in it already) also wants its CoUninitialize.
    a.entered = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    a.thread = GetCurrentThreadId();
}

void leaveShellApartment() {
    Apartment& a = apartment();
    if (!a.entered || a.thread != GetCurrentThreadId()) return;
    if (auto* uninitialize = lateFunction<decltype(::CoUninitialize)>(L"ole32.dll", "CoUninitialize")) uninitialize();
    a.entered = false;
}

}  // namespace rt
