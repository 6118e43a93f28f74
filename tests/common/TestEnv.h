#pragma once
// Helpers shared by the test programs.
#include <windows.h>

#include <string>

namespace testenv {

// The CMake build folder (from TW_BUILD_DIR), as a Windows path.
std::wstring buildDir();

// A fresh empty folder under the temporary folder; removed with its content
// by removeTree.
std::wstring makeTempDir(const std::wstring& tag);
void removeTree(const std::wstring& path);

// Handles messages for up to `timeoutMs` until `done` is true; returns done's value.
template <typename Pred>
bool pumpUntil(Pred done, DWORD timeoutMs);

}  // namespace testenv

#include "runtime/MessagePump.h"

template <typename Pred>
bool testenv::pumpUntil(Pred done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs) return done();
        rt::pumpMessagesFor(10);
    }
    return true;
}
