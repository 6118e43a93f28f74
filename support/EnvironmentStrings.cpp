#include "support/EnvironmentStrings.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace EnvironmentStrings {
namespace {

constexpr size_t kLongest = 32767;  // characters, the NUL included

}  // namespace

std::optional<std::string> expanded(const std::string& ansi) {
    if (ansi.size() >= kLongest || ansi.find('\0') != std::string::npos) return std::nullopt;
    const DWORD needed = ExpandEnvironmentStringsA(ansi.c_str(), nullptr, 0);
    if (needed == 0 || needed > kLongest) return std::nullopt;
    std::vector<char> buffer(needed + 1, '\0');  // the ANSI call may write one more than it asked for
    const DWORD stored = ExpandEnvironmentStringsA(ansi.c_str(), buffer.data(), needed);
    // The text and its NUL lie within what the call says it stored.
    const size_t length = strnlen(buffer.data(), needed);
    if (stored == 0 || stored > needed || length >= stored) return std::nullopt;
    return std::string(buffer.data(), length);
}

}  // namespace EnvironmentStrings
