#include "support/cRegistry.h"

#include <windows.h>

#include <cstring>
#include <optional>
#include <vector>

#include "runtime/Ansi.h"
#include "runtime/App.h"
#include "runtime/Handles.h"
#include "runtime/RuntimeError.h"
#include "support/EnvironmentStrings.h"
#include "support/RegistryKeys.h"

namespace {

using namespace RegistryKeys;

std::wstring bytesAsText(const rt::ByteArray& a) {
    static const wchar_t hex[] = L"0123456789ABCDEF";
    std::wstring s;
    for (uint8_t b : a.bytes) {
        if (!s.empty()) s += L' ';
        s += hex[b >> 4];
        s += hex[b & 15];
    }
    return s;
}

std::wstring valueAsText(const rt::Variant& v) {
    if (v.kind() == rt::Variant::Kind::Bytes) return bytesAsText(v.bytes());
    try {
        return v.toString();
    } catch (const rt::RuntimeError&) {
        return L"";
    }
}

// A text with a "%" and another "%" from two characters after it holds an
// environment reference and is stored as REG_EXPAND_SZ.
DWORD textValueType(const std::wstring& text) {
    size_t first = text.find(L'%');
    if (first != std::wstring::npos && text.find(L'%', first + 2) != std::wstring::npos) return REG_EXPAND_SZ;
    return REG_SZ;
}

// The expanded text, whole; error 5 when the system cannot give all of it.
std::wstring ExpandEnvStr(const std::wstring& text) {
    const std::optional<std::string> whole = EnvironmentStrings::expanded(rt::toAnsi(text));
    if (!whole) rt::raiseStandard(rt::errInvalidCall);
    return rt::fromAnsi(*whole);
}

int32_t SwapEndian(int32_t l) {
    auto u = static_cast<uint32_t>(l);
    return static_cast<int32_t>((u >> 24) | ((u >> 8) & 0xFF00u) | ((u << 8) & 0xFF0000u) | (u << 24));
}

struct StoredValue {
    DWORD type = 0;
    std::vector<uint8_t> data;
};

// The value's type and bytes as one read gave them. A value that changes
// between the size probe and the read is read again at its new size; the
// bytes are those the read reports. Nothing when the value cannot be read.
std::optional<StoredValue> queryValue(HKEY key, const std::string& name) {
    StoredValue v;
    DWORD cb = 0;
    BYTE probe[4];
    LONG r = RegQueryValueExA(key, name.c_str(), nullptr, &v.type, probe, &cb);
    for (int attempt = 0; attempt < 16 && (r == ERROR_SUCCESS || r == ERROR_MORE_DATA); ++attempt) {
        if (cb == 0) return v;
        v.data.resize(cb);
        r = RegQueryValueExA(key, name.c_str(), nullptr, &v.type, v.data.data(), &cb);
        if (r == ERROR_SUCCESS) {
            v.data.resize(cb);
            return v;
        }
    }
    return std::nullopt;
}

// A stored text up to its first NUL: a text stored without one keeps every
// character, one stored with its NUL doubled loses both.
std::wstring textFromBytes(const std::vector<uint8_t>& data) {
    return rt::fromAnsiBuffer(reinterpret_cast<const char*>(data.data()), data.size());
}

// The strings of a list with the NUL after each, without the list's final NUL.
std::wstring listFromBytes(const std::vector<uint8_t>& data) {
    size_t n = data.size();
    if (n && data[n - 1] == 0) --n;
    return rt::fromAnsi(std::string_view(reinterpret_cast<const char*>(data.data()), n));
}

// A shorter value fills only the low-order bytes; of a longer one the first
// four bytes count.
int32_t dwordFromBytes(const std::vector<uint8_t>& data) {
    uint32_t v = 0;
    if (!data.empty()) std::memcpy(&v, data.data(), data.size() < 4 ? data.size() : 4);
    return static_cast<int32_t>(v);
}

// The stored value as the read returns it; exactly the stored bytes for
// every type read as a byte array, so that a value read and written back is
// stored unchanged.
rt::Variant valueFromStored(StoredValue& stored) {
    switch (stored.type) {
        case REG_SZ:
            return textFromBytes(stored.data);
        case REG_MULTI_SZ:
            return listFromBytes(stored.data);
        case REG_EXPAND_SZ:
            return ExpandEnvStr(textFromBytes(stored.data));
        case REG_DWORD:
            return dwordFromBytes(stored.data);
        case REG_DWORD_BIG_ENDIAN:
            return SwapEndian(dwordFromBytes(stored.data));
        default:
            return rt::ByteArray{0, std::move(stored.data)};
    }
}

}  // namespace

bool cRegistry::KeyExists() const { return static_cast<bool>(openKey(classKey_, sectionKey_, KEY_QUERY_VALUE)); }

rt::Variant cRegistry::Value() {
    rt::unique_hkey key = openKey(classKey_, sectionKey_, KEY_QUERY_VALUE);
    const std::optional<std::string> name = rt::toAnsiName(valueKey_);
    std::optional<StoredValue> stored = name ? queryValue(key.get(), *name) : std::nullopt;
    if (!stored) return default_;
    rt::Variant result = valueFromStored(*stored);
    valueType_ = static_cast<int32_t>(stored->type);
    return result;
}

void cRegistry::Value(const rt::Variant& vValue) {
    auto setValueError = [&](int32_t number) {
        return rt::RuntimeError(number, registrySource(),
                                L"Failed to set registry value Key: '" + rootAndSection(classKey_, sectionKey_) +
                                    L"',Key: '" + valueKey_ + L"' to value: '" + valueAsText(vValue) +
                                    L"'");
    };
    // A name that names nothing is refused before the key is created.
    const std::optional<std::string> valueName = rt::toAnsiName(valueKey_);
    if (!valueName) throw setValueError(errSetValue);
    rt::unique_hkey key = createKey(classKey_, sectionKey_);
    if (!key) throw setValueError(errRegistry);
    const std::string& name = *valueName;
    LONG result;
    switch (valueType_) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            std::wstring text = vValue.toString();
            std::string data = rt::toAnsi(text);
            result = RegSetValueExA(key.get(), name.c_str(), 0, textValueType(text),
                                    reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(data.size() + 1));
            break;
        }
        case REG_BINARY: {
            if (vValue.kind() != rt::Variant::Kind::Bytes)
                throw rt::RuntimeError(errRegistry, rt::App::exeName(), rt::standardDescription(errRegistry));
            // Data start at element 0 (an array without one, an empty one too,
            // is out of range); everything from there is stored.
            const rt::ByteArray& a = vValue.bytes();
            int64_t from = -static_cast<int64_t>(a.lowerBound);
            if (from < 0 || from >= static_cast<int64_t>(a.bytes.size())) rt::raiseStandard(rt::errSubscript);
            size_t count = a.bytes.size() - static_cast<size_t>(from);
            result = RegSetValueExA(key.get(), name.c_str(), 0, REG_BINARY, a.bytes.data() + from,
                                    static_cast<DWORD>(count));
            break;
        }
        case REG_DWORD:
        case REG_DWORD_BIG_ENDIAN: {
            auto k = vValue.kind();
            if (k != rt::Variant::Kind::Integer && k != rt::Variant::Kind::Long) rt::raiseStandard(rt::errTypeMismatch);
            int32_t v = vValue.toLong();
            result = RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 4);
            break;
        }
        default:
            result = rt::errTypeMismatch;
    }
    key.reset();
    if (result != ERROR_SUCCESS) throw setValueError(errSetValue);
}

rt::Variant cRegistry::readKey(const std::wstring& valueKey, int32_t valueType) const {
    cRegistry r;
    r.ClassKey(defaultClassKey_);
    r.SectionKey(defaultSectionKey_);
    r.ValueKey(valueKey);
    r.ValueType(valueType);
    return r.Value();
}

rt::Variant cRegistry::writeKey(const std::wstring& valueKey, const std::wstring& value, int32_t valueType) const {
    cRegistry r;
    r.ClassKey(defaultClassKey_);
    r.SectionKey(defaultSectionKey_);
    r.ValueKey(valueKey);
    r.ValueType(valueType);
    r.Value(value);
    return rt::Variant();
}
