#pragma once
// The COM apartment of the calling thread, asked without changing it.
#include <objbase.h>

namespace testenv {

enum class Apartment { None, SingleThreaded, MultiThreaded };

inline Apartment apartmentOfThisThread() {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (hr == RPC_E_CHANGED_MODE) return Apartment::SingleThreaded;
    if (SUCCEEDED(hr)) CoUninitialize();
    return hr == S_OK ? Apartment::None : Apartment::MultiThreaded;
}

}  // namespace testenv
