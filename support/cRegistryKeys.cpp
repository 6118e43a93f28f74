// The registry object's key operations and listings.
#include <windows.h>

#include <new>
#include <optional>

#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/RegistryKeys.h"
#include "support/cRegistry.h"

namespace {

using namespace RegistryKeys;

// Longer than any key or value name, even in a double-byte code page.
constexpr DWORD kMaxNameRoom = 65536;

rt::RuntimeError registryError(const std::wstring& description) {
    return rt::RuntimeError(cRegistry::errRegistry, registrySource(), description);
}

// The names that `enumerate`(index, buffer, in/out size) gives for the
// indexes 0, 1, 2, ... until it fails. The room starts at the longest name
// the key reports (at least 255 characters) and grows when a name does not
// fit, so that a long name (or one renamed meanwhile) does not end the listing.
template <typename Enumerate>
std::vector<std::wstring> enumerateNames(DWORD longestName, Enumerate enumerate) {
    std::vector<std::wstring> names;
    std::vector<char> room(longestName + 1 > 256 ? longestName + 1 : 256);
    for (DWORD index = 0;;) {
        DWORD size = static_cast<DWORD>(room.size());
        LONG r = enumerate(index, room.data(), size);
        if (r == ERROR_MORE_DATA && room.size() < kMaxNameRoom) {
            room.resize(room.size() * 2);
            continue;
        }
        if (r != ERROR_SUCCESS) return names;
        names.push_back(rt::fromAnsiBuffer(room.data(), size < room.size() ? size : room.size()));
        ++index;
    }
}

// The longest value name that the key reports; false when it cannot say.
bool longestValueName(HKEY key, DWORD& longest) {
    longest = 0;
    char noClass[1] = "";
    DWORD classSize = 0;
    return RegQueryInfoKeyA(key, noClass, &classSize, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                            nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace

bool cRegistry::CreateKey() const {
    if (!createKey(classKey_, sectionKey_)) throw registryError(L"Failed to create registry Key: '" + sectionKey_);
    return true;
}

bool cRegistry::DeleteKey() const {
    const std::optional<std::string> name = rt::toAnsiName(sectionKey_);
    if (!name || RegDeleteKeyA(rootHandle(classKey_), name->c_str()) != ERROR_SUCCESS)
        throw registryError(L"Failed to delete registry Key: '" + rootAndSection(classKey_, sectionKey_));
    return true;
}

bool cRegistry::DeleteValue() const {
    rt::unique_hkey key = openKey(classKey_, sectionKey_, kAccessAll);
    if (!key)
        throw registryError(L"Failed to open key '" + rootAndSection(classKey_, sectionKey_) + L"' for delete access");
    const std::optional<std::string> name = rt::toAnsiName(valueKey_);
    LONG r = name ? RegDeleteValueA(key.get(), name->c_str()) : ERROR_FILE_NOT_FOUND;
    key.reset();
    if (r != ERROR_SUCCESS)
        throw registryError(L"Failed to delete registry Key: '" + rootAndSection(classKey_, sectionKey_) + L"',Key: '" +
                            valueKey_);
    return true;
}

bool cRegistry::EnumerateSections(std::vector<std::wstring>& sSect, int32_t& iSectCount) const {
    iSectCount = 0;
    sSect.clear();
    try {
        rt::unique_hkey key = openKey(classKey_, sectionKey_, KEY_ENUMERATE_SUB_KEYS);
        if (!key) return true;
        sSect = enumerateNames(0, [&](DWORD index, char* buffer, DWORD& size) {
            return RegEnumKeyA(key.get(), index, buffer, size);
        });
    } catch (const std::bad_alloc&) {
        throw rt::RuntimeError(errEnumerate, registrySource(), rt::standardDescription(rt::errOutOfMemory));
    }
    iSectCount = static_cast<int32_t>(sSect.size());
    return true;
}

bool cRegistry::EnumerateValues(std::vector<std::wstring>& sKeyNames, int32_t& iKeyCount) const {
    iKeyCount = 0;
    sKeyNames.clear();
    rt::unique_hkey key = openKey(classKey_, sectionKey_, KEY_QUERY_VALUE);
    DWORD longest = 0;
    if (!key || !longestValueName(key.get(), longest)) return true;
    sKeyNames = enumerateNames(longest, [&](DWORD index, char* buffer, DWORD& size) {
        return RegEnumValueA(key.get(), index, buffer, &size, nullptr, nullptr, nullptr, nullptr);
    });
    iKeyCount = static_cast<int32_t>(sKeyNames.size());
    return true;
}
