#pragma once
// The longest texts the ANSI path calls are documented to take, measured as
// the call gets them: ANSI bytes, the terminating NUL counted. A text beyond
// them is never handed over: some calls copy it into fixed buffers.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "runtime/Ansi.h"

namespace PathLimits {

// The shell's path-text calls (Path...A), MakeSureDirectoryPathExists and
// the ANSI file calls take a path of at most MAX_PATH, its NUL included.
constexpr size_t kPath = MAX_PATH;

// GetTempFileNameA takes a folder of at most MAX_PATH - 14 characters, room
// for the name it adds. Given a longer one it cuts the name it makes and
// still reports success.
constexpr size_t kTempFolder = MAX_PATH - 14 + 1;

// True when `ansi` and its NUL take at most `limit` bytes.
constexpr bool fits(std::string_view ansi, size_t limit = kPath) { return ansi.size() < limit; }

// `name` for an ANSI path or file call; none for a name the code page does
// not hold (or one holding a NUL), which names nothing, and for one longer
// than the call takes.
inline std::optional<std::string> callName(std::wstring_view name, size_t limit = kPath) {
    std::optional<std::string> ansi = rt::toAnsiName(name);
    if (ansi && !fits(*ansi, limit)) return std::nullopt;
    return ansi;
}

}  // namespace PathLimits
