#pragma once
// The access key of a caption: the character after its "&", in lower case
// ("" when the caption has none).
#include <string>

namespace button {

std::wstring accessKeyOf(const std::wstring& caption);

}  // namespace button
