#include "support/modIpCheck.h"

#include <array>
#include <optional>
#include <vector>

#include "support/TextParts.h"

namespace modIpCheck {
namespace {

// Plain decimal digits only (leading zeros allowed), within 32-bit signed.
std::optional<int32_t> readDecimal(const std::wstring& part) {
    if (part.empty()) return std::nullopt;
    int64_t value = 0;
    for (wchar_t c : part) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > INT32_MAX) return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// The first part may not be 0-4 or 6-9; the last may not be 0.
bool inRangeOfPlace(int32_t value, size_t place) {
    if (value < 0 || value > 255) return false;
    if (place == 0) return value == 5 || value >= 10;
    if (place == 3) return value >= 1;
    return true;
}

}  // namespace

bool isValidIp(std::wstring& sIP) {
    std::vector<std::wstring> parts = TextParts::split(sIP, L".");
    if (parts.size() != 4) return false;
    std::wstring normal;
    for (size_t place = 0; place < parts.size(); ++place) {
        std::optional<int32_t> value = readDecimal(parts[place]);
        if (!value || !inRangeOfPlace(*value, place)) return false;
        if (place > 0) normal += L'.';
        normal += std::to_wstring(*value);
    }
    sIP = normal;
    return true;
}

void filterIpKey(int16_t& KeyAscii) {
    constexpr int16_t kBackspace = 8, kEnter = 13, kComma = 44, kDot = 46;
    if ((KeyAscii >= L'0' && KeyAscii <= L'9') || KeyAscii == kDot || KeyAscii == kBackspace || KeyAscii == kEnter)
        return;
    KeyAscii = KeyAscii == kComma ? kDot : 0;
}

}  // namespace modIpCheck
