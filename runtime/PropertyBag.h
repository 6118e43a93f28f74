#pragma once
// The stored form of a control: typed values by key, kept in the order they
// were written, keys matched without regard to case. Fonts and pictures are
// stored as object references.
#include <string>
#include <variant>
#include <vector>

#include "runtime/StdFont.h"
#include "runtime/StdPicture.h"
#include "runtime/Variant.h"

namespace rt {

class PropertyBag {
public:
    using Value = std::variant<Variant, FontRef, PictureRef>;
    struct Entry {
        std::wstring key;
        Value value;
    };

    // Replaces the value under the key (any case), or appends it.
    void WriteProperty(const std::wstring& key, Value value);

    // The stored value, or `defaultValue` when the key is missing. Reading
    // an object as a plain value (or the reverse) is a type mismatch.
    Variant ReadProperty(const std::wstring& key, const Variant& defaultValue) const;
    FontRef ReadFont(const std::wstring& key, const FontRef& defaultValue) const;
    PictureRef ReadPicture(const std::wstring& key, const PictureRef& defaultValue) const;

    bool contains(const std::wstring& key) const { return find(key) != nullptr; }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    const Entry* find(const std::wstring& key) const;
    template <typename T>
    T readAs(const std::wstring& key, const T& defaultValue) const;

    std::vector<Entry> entries_;
};

}  // namespace rt
