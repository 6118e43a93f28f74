#pragma once
// Small files for tests: written, read back and waited for.
#include <windows.h>

#include <string>

namespace testenv {

// Creates (or replaces) `path` with `bytes`; false when it cannot.
bool writeFile(const std::wstring& path, const std::string& bytes = "");

// The whole file, or "" when it cannot be read.
std::string readFile(const std::wstring& path);

// Waits (pumping messages) until `path` exists and holds at least one byte.
bool waitForFile(const std::wstring& path, DWORD timeoutMs);

// True when `name` survives the trip through the ANSI code page unchanged.
bool isAnsiRepresentable(const std::wstring& name);

}  // namespace testenv
