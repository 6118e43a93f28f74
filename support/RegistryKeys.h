#pragma once
// What the registry object's operations share: a root number as a key
// handle, opening and creating keys with the object's fixed arguments, and
// the source and location texts of its errors.
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/Handles.h"

namespace RegistryKeys {

// Query, set, create, enumerate, notify, link: not KEY_ALL_ACCESS.
constexpr REGSAM kAccessAll = 0x3F;

HKEY rootHandle(int32_t root);

// The key opened with `access`; empty when it cannot be opened.
rt::unique_hkey openKey(int32_t root, const std::wstring& path, REGSAM access);

// Creates the key when missing and opens it with kAccessAll; empty on failure.
rt::unique_hkey createKey(int32_t root, const std::wstring& path);

// The executable's name followed by ".cRegistry".
std::wstring registrySource();

// "<root>',Section: '<path>": the location as the error descriptions show it.
std::wstring rootAndSection(int32_t root, const std::wstring& path);

}  // namespace RegistryKeys
