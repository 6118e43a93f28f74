#pragma once
// One case rule for the characters of access keys, beyond ASCII too: the
// key a caption names and the key a user presses are compared through it.

namespace rt {

// The character in lower case, as the system's user interface lowers it.
wchar_t lowerCaseChar(wchar_t ch);

}  // namespace rt
