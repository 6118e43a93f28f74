#include "button/AccessKey.h"

#include "runtime/CharCase.h"

namespace button {
namespace {

std::wstring lowerCase(wchar_t ch) { return std::wstring(1, rt::lowerCaseChar(ch)); }

}  // namespace

// "&&" shows one "&": then the next "&" decides, and a second "&&" leaves
// the caption without a key.
std::wstring accessKeyOf(const std::wstring& caption) {
    if (caption.size() < 2) return L"";
    size_t i = caption.find(L'&');
    if (i == std::wstring::npos || i + 1 >= caption.size()) return L"";
    if (caption[i + 1] != L'&') return lowerCase(caption[i + 1]);
    size_t j = caption.find(L'&', i + 2);
    if (j == std::wstring::npos || j + 1 >= caption.size() || caption[j + 1] == L'&') return L"";
    return lowerCase(caption[j + 1]);
}

}  // namespace button
