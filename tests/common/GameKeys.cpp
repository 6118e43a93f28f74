#include "common/GameKeys.h"

#include <shlwapi.h>

#include "runtime/Handles.h"

namespace testenv {
namespace {

// The product keys above each game's version key.
const wchar_t* const kProductKeys[] = {
    L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires",
    L"SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion",
    L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology",
    L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Mythology Expansion Pack",
    L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3",
    L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack",
    L"SOFTWARE\\Microsoft\\Microsoft Games\\Age of Empires 3 Expansion Pack 2",
};

rt::unique_hkey create(const std::wstring& keyPath) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return rt::unique_hkey();
    return rt::unique_hkey(key);
}

}  // namespace

GameKeys::GameKeys() { removeAll(); }
GameKeys::~GameKeys() { removeAll(); }

void GameKeys::removeAll() {
    for (const wchar_t* key : kProductKeys) SHDeleteKeyW(HKEY_LOCAL_MACHINE, key);
}

void GameKeys::createKey(const std::wstring& keyPath) { create(keyPath); }

void GameKeys::setText(const std::wstring& keyPath, const std::wstring& name, const std::wstring& value) {
    rt::unique_hkey key = create(keyPath);
    RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void GameKeys::setNumber(const std::wstring& keyPath, const std::wstring& name, DWORD value) {
    rt::unique_hkey key = create(keyPath);
    RegSetValueExW(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace testenv
