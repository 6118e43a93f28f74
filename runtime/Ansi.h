#pragma once
// Text crosses into the ANSI ("...A") Win32 entries in the system code page.
#include <string>
#include <string_view>

namespace rt {

// Program text to the system ANSI code page (no terminator added; embedded
// NULs are kept).
std::string toAnsi(std::wstring_view text);

// ANSI bytes back to program text, every byte kept (embedded NULs too).
std::wstring fromAnsi(std::string_view bytes);

// The text as an ANSI entry receives it, read back: the code page's best fit
// turns look-alikes into what they look like (a full-width "\" into "\")
// and a character it lacks into "?".
std::wstring throughAnsi(std::wstring_view text);

// A buffer that a Win32 call filled: converted and cut at its first NUL.
std::wstring fromAnsiBuffer(const char* buffer, size_t capacity);

}  // namespace rt
