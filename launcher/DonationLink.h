#pragma once
// The maker's donation page, with the program's version in its query.
#include <string>

namespace modFunctions {

// The page's address followed by "?version=" Major.Minor.0.Revision "&donate=1".
std::wstring getDonateUrl();

}  // namespace modFunctions
