#pragma once
// Environment references ("%OS%") expanded by the system, whole or not at all.
#include <optional>
#include <string>

namespace EnvironmentStrings {

// `ansi` as ExpandEnvironmentStringsA expands it; none when the call cannot
// give the whole of it. The call takes and gives at most 32 767 characters,
// its NUL included: Wine's crashes on a longer text, and hands back a longer
// result cut while it reports it whole.
std::optional<std::string> expanded(const std::string& ansi);

}  // namespace EnvironmentStrings
