#include "support/RegistryKeys.h"

#include <optional>

#include "runtime/Ansi.h"
#include "runtime/App.h"

namespace RegistryKeys {

HKEY rootHandle(int32_t root) { return reinterpret_cast<HKEY>(static_cast<intptr_t>(root)); }

rt::unique_hkey openKey(int32_t root, const std::wstring& path, REGSAM access) {
    HKEY key = nullptr;
    const std::optional<std::string> name = rt::toAnsiName(path);
    if (!name || RegOpenKeyExA(rootHandle(root), name->c_str(), 0, access, &key) != ERROR_SUCCESS)
        return rt::unique_hkey();
    return rt::unique_hkey(key);
}

rt::unique_hkey createKey(int32_t root, const std::wstring& path) {
    HKEY key = nullptr;
    SECURITY_ATTRIBUTES sa{};  // all three fields 0
    DWORD disposition = 0;
    const std::optional<std::string> name = rt::toAnsiName(path);
    if (!name || RegCreateKeyExA(rootHandle(root), name->c_str(), 0, const_cast<char*>(""), 0, kAccessAll, &sa, &key,
                                 &disposition) != ERROR_SUCCESS)
        return rt::unique_hkey();
    return rt::unique_hkey(key);
}

std::wstring registrySource() { return rt::App::exeName() + L".cRegistry"; }

std::wstring rootAndSection(int32_t root, const std::wstring& path) {
    return std::to_wstring(root) + L"',Section: '" + path;
}

}  // namespace RegistryKeys
