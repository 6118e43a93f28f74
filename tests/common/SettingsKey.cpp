#include "common/SettingsKey.h"

#include <shlwapi.h>

#include "launcher/modMain.h"
#include "support/cRegistry.h"

namespace testenv {
namespace {

std::wstring keyPath() { return modMain::settingsKeyPath(); }

void storeRaw(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

}  // namespace

void deleteSettingsKey() { SHDeleteKeyW(HKEY_CURRENT_USER, keyPath().c_str()); }

void storeSetting(const std::wstring& name, const std::wstring& text) {
    storeRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void storeSettingDword(const std::wstring& name, DWORD value) { storeRaw(name, REG_DWORD, &value, sizeof value); }

std::optional<StoredSetting> storedSetting(const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath().c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t data[512] = {};
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    LONG r = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (r != ERROR_SUCCESS) return std::nullopt;
    return StoredSetting{type, data};
}

void useSettingsKeyAsDefault() {
    modMain::oRegistry().DefaultClassKey(HKEY_CURRENT_USER_ID);
    modMain::oRegistry().DefaultSectionKey(keyPath());
}

}  // namespace testenv
