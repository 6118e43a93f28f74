#pragma once
// The registry access object: a current location (root, key path, value
// name), a value type, a fall-back Default and a default location. Each
// operation opens and closes the keys it needs; nothing stays open.
#include <cstdint>
#include <string>

#include "runtime/Variant.h"

// Registry roots as the program stores them.
constexpr int32_t HKEY_CLASSES_ROOT_ID = static_cast<int32_t>(0x80000000u);
constexpr int32_t HKEY_CURRENT_USER_ID = static_cast<int32_t>(0x80000001u);
constexpr int32_t HKEY_LOCAL_MACHINE_ID = static_cast<int32_t>(0x80000002u);

class cRegistry {
public:
    // The object's own error numbers.
    static constexpr int32_t errSetValue = static_cast<int32_t>(0x800469A9u);
    static constexpr int32_t errRegistry = 26001;

    int32_t ClassKey() const { return classKey_; }
    void ClassKey(int32_t eKey) { classKey_ = eKey; }
    const std::wstring& SectionKey() const { return sectionKey_; }
    void SectionKey(const std::wstring& s) { sectionKey_ = s; }
    const std::wstring& ValueKey() const { return valueKey_; }
    void ValueKey(const std::wstring& s) { valueKey_ = s; }
    int32_t ValueType() const { return valueType_; }
    void ValueType(int32_t t) { valueType_ = t; }
    rt::Variant Default() const { return default_; }
    void Default(const rt::Variant& v) { default_ = v; }
    int32_t DefaultClassKey() const { return defaultClassKey_; }
    void DefaultClassKey(int32_t v) { defaultClassKey_ = v; }
    const std::wstring& DefaultSectionKey() const { return defaultSectionKey_; }
    void DefaultSectionKey(const std::wstring& v) { defaultSectionKey_ = v; }

    // True when the current key can be opened for reading values; never raises.
    bool KeyExists() const;

    // Reads the value at the current location by its stored type (Default when
    // there is none); a successful read sets ValueType to the stored type.
    rt::Variant Value();
    // Writes by ValueType, creating the key when missing.
    void Value(const rt::Variant& vValue);

    // Read or write at the default location through a temporary instance.
    rt::Variant readKey(const std::wstring& valueKey, int32_t valueType = 0) const;
    rt::Variant writeKey(const std::wstring& valueKey, const std::wstring& value, int32_t valueType = 0) const;

private:
    int32_t classKey_ = 0;
    std::wstring sectionKey_;
    std::wstring valueKey_;
    rt::Variant default_;
    int32_t valueType_ = 0;
    int32_t defaultClassKey_ = 0;
    std::wstring defaultSectionKey_;
};
