#pragma once
// Helpers shared by the test programs.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "runtime/MessagePump.h"
#include "runtime/RuntimeError.h"

namespace testenv {

// The CMake build folder (from TW_BUILD_DIR), as a Windows path.
std::wstring buildDir();
// A Unix path as Wine's Z: drive shows it.
std::wstring windowsPath(const std::wstring& unixPath);

// A fresh empty folder under the temporary folder, removed with its content
// when the object ends.
class TempDir {
public:
    explicit TempDir(const std::wstring& tag);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::wstring path;
    std::wstring file(const std::wstring& name) const { return path + L"\\" + name; }
};
void removeTree(const std::wstring& path);

// Whole files as bytes; writeFile is false when it cannot, readFile "" then.
bool writeFile(const std::wstring& path, const std::string& bytes = "");
std::string readFile(const std::wstring& path);

// Registry values as the ANSI registry calls see them: type and raw bytes.
using RegValue = std::pair<DWORD, std::string>;
inline RegValue sz(const std::string& text) { return {REG_SZ, text + '\0'}; }
// Creates the key when missing; false when the value cannot be stored.
bool regStore(HKEY root, const std::string& key, const std::string& name, const RegValue& value);
std::optional<RegValue> regStored(HKEY root, const std::string& key, const std::string& name);
void regDeleteTree(HKEY root, const std::string& key);

// A registry value set while the object lives; afterwards the value as it
// was (or none, when there was none).
class ValueWhileAlive {
public:
    ValueWhileAlive(HKEY root, std::string key, std::string name, const RegValue& value);
    ~ValueWhileAlive();
    ValueWhileAlive(const ValueWhileAlive&) = delete;
    ValueWhileAlive& operator=(const ValueWhileAlive&) = delete;

private:
    HKEY root_;
    std::string key_, name_;
    std::optional<RegValue> before_;
};
inline const std::string kSettingsKey = "Software\\mornveldt\\tools\\tarnwicket";

// The run-time error number a call raises (0 when it raises none).
template <typename Call>
int32_t raisedError(Call&& call) {
    try {
        call();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// Handles messages for up to `timeoutMs` until `done` is true; returns done's value.
template <typename Pred>
bool pumpUntil(Pred done, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); !done(); rt::pumpMessagesFor(10))
        if (GetTickCount() - start >= timeoutMs) return done();
    return true;
}

}  // namespace testenv
