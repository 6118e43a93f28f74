#pragma once
// Text crosses into the ANSI ("...A") Win32 entries in the system code page.
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// Program text to the system ANSI code page (no terminator added; embedded
// NULs are kept).
std::string toAnsi(std::wstring_view text);

// ANSI bytes back to program text, every byte kept (embedded NULs too).
std::wstring fromAnsi(std::string_view bytes);

// A name (a file or folder path, a pattern, a registry key or value name) for
// the ANSI entries; none when the code page does not hold it exactly. Best
// fit would turn a look-alike into what it looks like (a full-width "\" into
// "\", a "C" with a circumflex into "C") and a letter the code page lacks into
// "?": the system would act on another file or key than the one named. A NUL
// inside would end the name early, so such a name names nothing either.
std::optional<std::string> toAnsiName(std::wstring_view name);

// A list of names separated by NULs (as the shell's file operations take
// them), each converted as toAnsiName; none when any one names nothing.
std::optional<std::string> toAnsiNameList(std::wstring_view names);

// A buffer that a Win32 call filled: converted and cut at its first NUL.
std::wstring fromAnsiBuffer(const char* buffer, size_t capacity);

}  // namespace rt
