#pragma once
// Cutting a text into the parts between its delimiters.
#include <string>
#include <vector>

namespace TextParts {

// The parts of `s` between the delimiters, empty ones kept; none for an
// empty text, and the whole text for an empty delimiter.
inline std::vector<std::wstring> split(const std::wstring& s, const std::wstring& delimiter) {
    std::vector<std::wstring> parts;
    if (s.empty()) return parts;
    if (delimiter.empty()) return {s};
    size_t start = 0;
    for (size_t at; (at = s.find(delimiter, start)) != std::wstring::npos; start = at + delimiter.size())
        parts.push_back(s.substr(start, at - start));
    parts.push_back(s.substr(start));
    return parts;
}

}  // namespace TextParts
