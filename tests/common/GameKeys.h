#pragma once
// The games' installation keys under HKEY_LOCAL_MACHINE, written as their
// installers would. Every game's key is removed when the object is made and
// again when it goes, so each case starts from no installed game.
#include <windows.h>

#include <string>

namespace testenv {

class GameKeys {
public:
    GameKeys();
    ~GameKeys();
    GameKeys(const GameKeys&) = delete;
    GameKeys& operator=(const GameKeys&) = delete;

    void createKey(const std::wstring& keyPath);
    void setText(const std::wstring& keyPath, const std::wstring& name, const std::wstring& value);
    void setNumber(const std::wstring& keyPath, const std::wstring& name, DWORD value);

    static void removeAll();
};

}  // namespace testenv
