#pragma once
// The launcher's settings key under HKEY_CURRENT_USER, seen directly through
// the registry for tests (use with "// ctest-lock: settings-key").
#include <windows.h>

#include <optional>
#include <string>

namespace testenv {

// Removes the settings key with everything below it.
void deleteSettingsKey();
// Stores `text` as REG_SZ under the settings key (created when missing).
void storeSetting(const std::wstring& name, const std::wstring& text);
void storeSettingDword(const std::wstring& name, DWORD value);

struct StoredSetting {
    DWORD type;
    std::wstring text;
    bool operator==(const StoredSetting&) const = default;
};
// The value as stored (text values only); nullopt when missing.
std::optional<StoredSetting> storedSetting(const std::wstring& name);

// Points the shared registry object's default location at the settings key,
// as start-up does.
void useSettingsKeyAsDefault();

}  // namespace testenv
