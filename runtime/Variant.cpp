#include "runtime/Variant.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cwctype>

#include "runtime/RuntimeError.h"

namespace rt {
namespace {

std::wstring trimBlanks(const std::wstring& s) {
    size_t b = s.find_first_not_of(L" \t");
    if (b == std::wstring::npos) return L"";
    size_t e = s.find_last_not_of(L" \t");
    return s.substr(b, e - b + 1);
}

bool equalsNoCase(const std::wstring& a, const wchar_t* b) {
    size_t n = wcslen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

wchar_t localeDecimal() {
    wchar_t buf[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8) > 0 && buf[0]) return buf[0];
    return L'.';
}

std::wstring formatDouble(double d) {
    if (d == std::floor(d) && std::fabs(d) < 1e15) {
        wchar_t buf[32];
        swprintf(buf, 32, L"%.0f", d);
        return buf;
    }
    wchar_t buf[64];
    swprintf(buf, 64, L"%.15G", d);
    std::wstring s = buf;
    size_t dot = s.find(L'.');
    if (dot != std::wstring::npos) s[dot] = localeDecimal();
    size_t e = s.find(L'E');
    if (e != std::wstring::npos) {
        // 1E+20 rather than 1E+020.
        std::wstring mant = s.substr(0, e), exp = s.substr(e + 1);
        wchar_t sign = exp[0];
        std::wstring digits = exp.substr(1);
        while (digits.size() > 1 && digits[0] == L'0') digits.erase(0, 1);
        s = mant + L'E' + sign + digits;
    }
    return s;
}

bool parseRadix(const std::wstring& s, int radix, double& out) {
    if (s.empty() || s.size() > (radix == 16 ? 8u : 11u)) return false;
    uint32_t v = 0;
    for (wchar_t c : s) {
        int d;
        if (c >= L'0' && c <= L'9') d = c - L'0';
        else if (radix == 16 && c >= L'a' && c <= L'f') d = c - L'a' + 10;
        else if (radix == 16 && c >= L'A' && c <= L'F') d = c - L'A' + 10;
        else return false;
        if (d >= radix) return false;
        v = v * radix + d;
    }
    // &H values are 16-bit when they fit in four digits, else 32-bit (signed).
    if (radix == 16 && s.size() <= 4) out = static_cast<int16_t>(v);
    else out = static_cast<int32_t>(v);
    return true;
}

double checkedRange(double d, double lo, double hi) {
    double r = roundHalfEven(d);
    if (r < lo || r > hi || std::isnan(r)) raiseStandard(errOverflow);
    return r;
}

}  // namespace

double roundHalfEven(double d) { return std::nearbyint(d); }

bool parseNumber(const std::wstring& text, double& out) {
    std::wstring s = trimBlanks(text);
    if (s.empty()) return false;
    if (s.size() > 2 && s[0] == L'&') {
        wchar_t r = std::towupper(s[1]);
        if (r == L'H') return parseRadix(s.substr(2), 16, out);
        if (r == L'O') return parseRadix(s.substr(2), 8, out);
    }
    wchar_t dec = localeDecimal();
    std::string ascii;
    bool digits = false;
    for (wchar_t c : s) {
        if (c >= L'0' && c <= L'9') { ascii += static_cast<char>(c); digits = true; }
        else if (c == dec) ascii += '.';
        else if (c == L'+' || c == L'-' || c == L'e' || c == L'E') ascii += static_cast<char>(c);
        else return false;
    }
    if (!digits) return false;
    char* end = nullptr;
    double v = std::strtod(ascii.c_str(), &end);
    if (!end || *end != '\0') return false;
    out = v;
    return true;
}

bool Variant::isNumeric() const {
    switch (kind()) {
        case Kind::Boolean: case Kind::Integer: case Kind::Long: case Kind::Double: return true;
        default: return false;
    }
}

std::wstring Variant::toString() const {
    switch (kind()) {
        case Kind::Empty: return L"";
        case Kind::Null: raiseStandard(errInvalidUseOfNull);
        case Kind::Boolean: return std::get<bool>(v_) ? L"True" : L"False";
        case Kind::Integer: return std::to_wstring(std::get<int16_t>(v_));
        case Kind::Long: return std::to_wstring(std::get<int32_t>(v_));
        case Kind::Double: return formatDouble(std::get<double>(v_));
        case Kind::String: return std::get<std::wstring>(v_);
        case Kind::Bytes: {
            // A byte array reads as UTF-16 text, two bytes a character.
            const auto& b = std::get<ByteArray>(v_).bytes;
            std::wstring s;
            for (size_t i = 0; i + 1 < b.size(); i += 2) s += static_cast<wchar_t>(b[i] | (b[i + 1] << 8));
            if (b.size() % 2) s += static_cast<wchar_t>(b.back());
            return s;
        }
        default: raiseStandard(errTypeMismatch);
    }
}

double Variant::toDouble() const {
    switch (kind()) {
        case Kind::Empty: return 0;
        case Kind::Null: raiseStandard(errInvalidUseOfNull);
        case Kind::Boolean: return std::get<bool>(v_) ? -1 : 0;
        case Kind::Integer: return std::get<int16_t>(v_);
        case Kind::Long: return std::get<int32_t>(v_);
        case Kind::Double: return std::get<double>(v_);
        case Kind::String: {
            const auto& s = std::get<std::wstring>(v_);
            double d;
            if (parseNumber(s, d)) return d;
            std::wstring t = trimBlanks(s);
            if (equalsNoCase(t, L"True")) return -1;
            if (equalsNoCase(t, L"False")) return 0;
            raiseStandard(errTypeMismatch);
        }
        default: raiseStandard(errTypeMismatch);
    }
}

bool Variant::toBool() const {
    if (kind() == Kind::Boolean) return std::get<bool>(v_);
    if (kind() == Kind::String) {
        std::wstring t = trimBlanks(std::get<std::wstring>(v_));
        if (equalsNoCase(t, L"True")) return true;
        if (equalsNoCase(t, L"False")) return false;
    }
    return toDouble() != 0;
}

int16_t Variant::toInteger() const {
    return static_cast<int16_t>(checkedRange(toDouble(), -32768.0, 32767.0));
}

int32_t Variant::toLong() const {
    return static_cast<int32_t>(checkedRange(toDouble(), -2147483648.0, 2147483647.0));
}

const ByteArray& Variant::bytes() const {
    if (kind() != Kind::Bytes) raiseStandard(errTypeMismatch);
    return std::get<ByteArray>(v_);
}

const VariantList& Variant::list() const {
    if (kind() != Kind::List) raiseStandard(errTypeMismatch);
    return *std::get<std::shared_ptr<VariantList>>(v_);
}

bool operator==(const Variant& a, const Variant& b) {
    using K = Variant::Kind;
    K ka = a.kind(), kb = b.kind();
    if (ka == K::Null || kb == K::Null) return false;
    if (ka == K::Empty && kb == K::Empty) return true;
    if (ka == K::String || kb == K::String) {
        if (ka == kb) return a.toString() == b.toString();
        if (ka == K::Empty || kb == K::Empty) return a.toString() == b.toString();
        double da, db;
        const Variant& s = ka == K::String ? a : b;
        const Variant& n = ka == K::String ? b : a;
        if (!n.isNumeric() || !parseNumber(s.toString(), da)) return false;
        db = n.toDouble();
        return da == db;
    }
    if ((a.isNumeric() || ka == K::Empty) && (b.isNumeric() || kb == K::Empty))
        return a.toDouble() == b.toDouble();
    if (ka == K::Bytes && kb == K::Bytes) return a.bytes() == b.bytes();
    return false;
}

}  // namespace rt
