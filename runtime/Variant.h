#pragma once
// A value of any type, with the conversions the program relies on.
// Failed conversions raise run-time errors 13 (type mismatch) or 6 (overflow).
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace rt {

struct Null {
    bool operator==(const Null&) const = default;
};

// A byte array with its lower bound (usually 0).
struct ByteArray {
    int32_t lowerBound = 0;
    std::vector<uint8_t> bytes;
    bool operator==(const ByteArray&) const = default;
};

class Variant;
using VariantList = std::vector<Variant>;

// An object reference; it has no text value.
struct ObjectRef {
    std::shared_ptr<void> ptr;
    bool operator==(const ObjectRef& o) const { return ptr == o.ptr; }
};

class Variant {
public:
    enum class Kind { Empty, Null, Boolean, Integer, Long, Double, String, Bytes, List, Object };

    Variant() = default;
    Variant(Null) : v_(Null{}) {}
    // Only a real bool: a pointer (a narrow literal, say) must not turn into True.
    template <typename B>
        requires std::same_as<B, bool>
    Variant(B b) : v_(b) {}
    Variant(int16_t i) : v_(i) {}
    Variant(int32_t l) : v_(l) {}
    Variant(long l) : v_(static_cast<int32_t>(l)) {}
    Variant(uint32_t l) : v_(static_cast<int32_t>(l)) {}
    Variant(unsigned long l) : v_(static_cast<int32_t>(l)) {}
    Variant(double d) : v_(d) {}
    Variant(std::wstring s) : v_(std::move(s)) {}
    Variant(const wchar_t* s) : v_(std::wstring(s)) {}
    Variant(ByteArray b) : v_(std::move(b)) {}
    Variant(VariantList l) : v_(std::make_shared<VariantList>(std::move(l))) {}
    Variant(ObjectRef o) : v_(std::move(o)) {}

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNull() const { return kind() == Kind::Null; }
    bool isNumeric() const;

    // Conversions as the platform makes them (CStr, CBool, CInt, CLng, CDbl).
    std::wstring toString() const;
    bool toBool() const;
    int16_t toInteger() const;
    int32_t toLong() const;
    double toDouble() const;

    // Direct access; calling the wrong one is a type mismatch.
    const ByteArray& bytes() const;
    const VariantList& list() const;

    // Empty equals "" and 0; numbers compare by value; texts exactly.
    friend bool operator==(const Variant& a, const Variant& b);

private:
    std::variant<std::monostate, Null, bool, int16_t, int32_t, double, std::wstring, ByteArray,
                 std::shared_ptr<VariantList>, ObjectRef>
        v_;
};

// Round to the nearest whole number, a tie going to the even one.
double roundHalfEven(double d);

// Parse a number as the platform reads one from text (blanks around it,
// sign, decimals, exponent, "&H" hex and "&O" octal). False when it is none.
bool parseNumber(const std::wstring& text, double& out);

}  // namespace rt
