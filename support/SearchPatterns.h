#pragma once
// A pattern of the file system's search matched against a long name by the
// system's own rules, case ignored. "*" takes any run of characters and "?"
// one, or none before a dot or at the name's end. A "*" just before a dot
// stops at the name's last dot; a dot just before "*" or "?", or ending the
// pattern, also matches the end of a name without one. So "*.*" takes every
// name, "abc.*" takes "abc", "*." only names without a dot, and ";" is an
// ordinary character. "<", ">" and '"' are the system's own spellings of
// such a "*", "?" and dot.
#include <string_view>

namespace SearchPatterns {

bool matches(std::wstring_view name, std::wstring_view pattern);

}  // namespace SearchPatterns
