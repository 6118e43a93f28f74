#include "runtime/PropertyBag.h"

#include <windows.h>

#include "runtime/RuntimeError.h"

namespace rt {

const PropertyBag::Entry* PropertyBag::find(const std::wstring& key) const {
    for (const auto& e : entries_)
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, e.key.c_str(), -1, key.c_str(), -1) == CSTR_EQUAL)
            return &e;
    return nullptr;
}

void PropertyBag::WriteProperty(const std::wstring& key, Value value) {
    if (auto* e = const_cast<Entry*>(find(key)))
        e->value = std::move(value);
    else
        entries_.push_back({key, std::move(value)});
}

template <typename T>
T PropertyBag::readAs(const std::wstring& key, const T& defaultValue) const {
    const Entry* e = find(key);
    if (!e) return defaultValue;
    if (const T* v = std::get_if<T>(&e->value)) return *v;
    // An empty value stands for "no object".
    if constexpr (!std::is_same_v<T, Variant>) {
        if (const Variant* v = std::get_if<Variant>(&e->value); v && v->isEmpty()) return T{};
    }
    raiseStandard(errTypeMismatch);
}

Variant PropertyBag::ReadProperty(const std::wstring& key, const Variant& defaultValue) const {
    return readAs(key, defaultValue);
}

FontRef PropertyBag::ReadFont(const std::wstring& key, const FontRef& defaultValue) const {
    return readAs(key, defaultValue);
}

PictureRef PropertyBag::ReadPicture(const std::wstring& key, const PictureRef& defaultValue) const {
    return readAs(key, defaultValue);
}

}  // namespace rt
