// The registry object against the real registry: values stored with exact
// types and bytes through the registry API, read through the object, and the
// object's writes checked the same way.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/RuntimeError.h"
#include "support/cRegistry.h"

namespace {

using rt::Variant;
using Bytes = std::string;  // raw registry data

const char kParent[] = "Software\\tarnwicket-tests";

std::wstring widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

rt::ByteArray byteArray(const Bytes& b, int32_t lowerBound = 0) { return {lowerBound, {b.begin(), b.end()}}; }

struct Stored {
    DWORD type;
    Bytes data;
    bool operator==(const Stored&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stored& s) {
    os << "type " << s.type << ", bytes";
    for (unsigned char c : s.data) os << ' ' << static_cast<int>(c);
    return os;
}

std::optional<rt::RuntimeError> raised(const std::function<void()>& call) {
    try {
        call();
    } catch (const rt::RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

// Each case gets its own key below HKEY_CURRENT_USER\Software\tarnwicket-tests.
class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::string(kParent) + "\\Registry-" + std::to_string(GetCurrentProcessId());
        SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void TearDown() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kParent);  // only when no other test's key is left in it
    }

    std::wstring section() const { return widen(path_); }
    std::string sub(const std::string& name) const { return path_ + "\\" + name; }

    void store(const std::string& name, DWORD type, const Bytes& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
        LONG r = RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                static_cast<DWORD>(data.size()));
        RegCloseKey(key);
        ASSERT_EQ(r, ERROR_SUCCESS) << name;
    }

    // What is stored under `keyPath`, exactly; nullopt when nothing is.
    static std::optional<Stored> stored(const std::string& keyPath, const std::string& name) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD type = 0, size = 0;
        LONG r = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
        Bytes data(size, '\0');
        if (r == ERROR_SUCCESS && size)
            r = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        RegCloseKey(key);
        if (r != ERROR_SUCCESS) return std::nullopt;
        return Stored{type, data.substr(0, size)};
    }
    std::optional<Stored> stored(const std::string& name) const { return stored(path_, name); }

    static bool keyExists(const std::string& keyPath) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    cRegistry at(const std::wstring& valueKey, int32_t valueType = 0) const {
        cRegistry r;
        r.ClassKey(HKEY_CURRENT_USER_ID);
        r.SectionKey(section());
        r.ValueKey(valueKey);
        r.ValueType(valueType);
        return r;
    }

    std::string path_;
};

}  // namespace

TEST_F(Registry, ReadsEachStoredTypeAsItsKindOfValue) {
    SetEnvironmentVariableA("TW_TEST_FOLDER", "C:\\tw");
    struct Case {
        const char* name;
        DWORD type;
        Bytes data;
        Variant expected;
    };
    const Case cases[] = {
        {"sz", REG_SZ, Bytes("abc\0", 4), L"abc"},
        {"sz without NUL", REG_SZ, "abc", L"abc"},
        {"sz only NUL", REG_SZ, Bytes("\0", 1), L""},
        {"sz no bytes", REG_SZ, "", L""},
        {"sz ansi", REG_SZ, Bytes("caf\xe9\0", 5), L"caf\u00e9"},
        {"multi", REG_MULTI_SZ, Bytes("a\0b\0\0", 5), std::wstring(L"a\0b\0", 4)},
        {"expand", REG_EXPAND_SZ, Bytes("%TW_TEST_FOLDER%\\x\0", 19), L"C:\\tw\\x"},
        {"expand unknown", REG_EXPAND_SZ, Bytes("%TW_NO_SUCH_VAR%\0", 17), L"%TW_NO_SUCH_VAR%"},
        {"dword", REG_DWORD, Bytes("\0\1\0\0", 4), static_cast<int32_t>(256)},
        {"dword negative", REG_DWORD, "\xff\xff\xff\xff", static_cast<int32_t>(-1)},
        {"dword short", REG_DWORD, "\1\2", static_cast<int32_t>(0x0201)},
        {"dword long", REG_DWORD, Bytes("\1\0\0\0\2\0\0\0", 8), static_cast<int32_t>(1)},
        {"big endian", REG_DWORD_BIG_ENDIAN, Bytes("\0\0\1\0", 4), static_cast<int32_t>(256)},
        {"big endian bytes", REG_DWORD_BIG_ENDIAN, "\x11\x22\x33\x44", static_cast<int32_t>(0x11223344)},
        {"binary", REG_BINARY, "\1\2\3", byteArray(Bytes("\1\2\3\0", 4))},
        {"binary empty", REG_BINARY, "", byteArray(Bytes("\0", 1))},
        {"none", REG_NONE, "\5", byteArray(Bytes("\5\0", 2))},
        {"link", REG_LINK, "\6\7", byteArray(Bytes("\6\7\0", 3))},
        {"qword", 11, Bytes("\1\0\0\0\0\0\0\0", 8), byteArray(Bytes("\1\0\0\0\0\0\0\0\0", 9))},
        {"own type", 99, "\x42", byteArray(Bytes("\x42\0", 2))},
    };
    for (const auto& c : cases) store(c.name, c.type, c.data);
    for (const auto& c : cases) {
        cRegistry r = at(widen(c.name), 1234);
        Variant v = r.Value();
        EXPECT_EQ(v.kind(), c.expected.kind()) << c.name;
        EXPECT_EQ(v, c.expected) << c.name;
        EXPECT_EQ(r.ValueType(), static_cast<int32_t>(c.type)) << c.name;
    }
}

TEST_F(Registry, AReadThatFindsNothingGivesDefaultAndKeepsValueType) {
    cRegistry fresh;
    EXPECT_FALSE(fresh.KeyExists());
    EXPECT_TRUE(fresh.Value().isEmpty());

    struct Case {
        const char* what;
        int32_t root;
        std::wstring section;
    };
    const Case cases[] = {
        {"missing value", HKEY_CURRENT_USER_ID, section()},
        {"missing key", HKEY_CURRENT_USER_ID, section() + L"\\missing"},
        {"root 0", 0, section()},
    };
    for (const auto& c : cases) {
        cRegistry r;
        r.ClassKey(c.root);
        r.SectionKey(c.section);
        r.ValueKey(L"nothing");
        r.ValueType(42);
        r.Default(L"fallback");
        EXPECT_EQ(r.Value(), Variant(L"fallback")) << c.what;
        EXPECT_EQ(r.ValueType(), 42) << c.what;
    }
}

TEST_F(Registry, KeyExistsWhenTheKeyOpensForReading) {
    struct Case {
        const char* what;
        int32_t root;
        std::wstring section;
        bool exists;
    };
    const Case cases[] = {
        {"own key", HKEY_CURRENT_USER_ID, section(), true},
        {"the root itself", HKEY_CURRENT_USER_ID, L"", true},
        {"missing key", HKEY_CURRENT_USER_ID, section() + L"\\missing", false},
        {"root 0", 0, L"Software", false},
    };
    for (const auto& c : cases) {
        cRegistry r;
        r.ClassKey(c.root);
        r.SectionKey(c.section);
        EXPECT_EQ(r.KeyExists(), c.exists) << c.what;
    }
}

TEST_F(Registry, WritesStoreTheTypeAndBytesTheValueTypeAsks) {
    struct Case {
        const char* name;
        int32_t valueType;
        Variant value;
        Stored expected;
    };
    const Case cases[] = {
        {"plain", 1, L"C:\\Games\\", {REG_SZ, Bytes("C:\\Games\\\0", 10)}},
        {"env ref", 1, L"%A%", {REG_EXPAND_SZ, Bytes("%A%\0", 4)}},
        {"env ref later", 1, L"x%PATH%y", {REG_EXPAND_SZ, Bytes("x%PATH%y\0", 9)}},
        {"one char apart", 1, L"%a%b", {REG_EXPAND_SZ, Bytes("%a%b\0", 5)}},
        {"two percent", 1, L"%%", {REG_SZ, Bytes("%%\0", 3)}},
        {"adjacent percent", 1, L"a%%b", {REG_SZ, Bytes("a%%b\0", 5)}},
        {"percent sign", 1, L"100%", {REG_SZ, Bytes("100%\0", 5)}},
        {"expand plain", 2, L"C:\\Games", {REG_SZ, Bytes("C:\\Games\0", 9)}},
        {"expand ref", 2, L"%X%", {REG_EXPAND_SZ, Bytes("%X%\0", 4)}},
        {"empty text", 1, L"", {REG_SZ, Bytes("\0", 1)}},
        {"number as text", 1, static_cast<int32_t>(42), {REG_SZ, Bytes("42\0", 3)}},
        {"boolean as text", 1, true, {REG_SZ, Bytes("True\0", 5)}},
        {"ansi text", 1, L"caf\u00e9", {REG_SZ, Bytes("caf\xe9\0", 5)}},
        {"binary", 3, byteArray("\1\2\3"), {REG_BINARY, "\1\2\3"}},
        {"binary from element 0", 3, byteArray("\x09\1\2", -1), {REG_BINARY, "\1\2"}},
        {"dword", 4, static_cast<int32_t>(0x01020304), {REG_DWORD, "\4\3\2\1"}},
        {"dword from integer", 4, static_cast<int16_t>(-1), {REG_DWORD, "\xff\xff\xff\xff"}},
        {"big endian writes dword", 5, static_cast<int32_t>(5), {REG_DWORD, Bytes("\5\0\0\0", 4)}},
    };
    for (const auto& c : cases) {
        cRegistry r = at(widen(c.name), c.valueType);
        r.Value(c.value);
        EXPECT_EQ(stored(c.name), c.expected) << c.name;
    }
}

TEST_F(Registry, AWrittenValueReadsBack) {
    cRegistry r = at(L"n", 5);
    r.Value(static_cast<int32_t>(5));
    EXPECT_EQ(r.Value().kind(), Variant::Kind::Long);
    EXPECT_EQ(r.Value(), Variant(static_cast<int32_t>(5)));
    EXPECT_EQ(r.ValueType(), REG_DWORD);

    cRegistry bin = at(L"b", 3);
    bin.Value(byteArray("\1\2"));
    EXPECT_EQ(bin.Value(), Variant(byteArray(Bytes("\1\2\0", 3))));
}

TEST_F(Registry, ReadKeyAndWriteKeyUseTheDefaultLocationOnly) {
    cRegistry r;
    r.DefaultClassKey(HKEY_CURRENT_USER_ID);
    r.DefaultSectionKey(section() + L"\\settings");
    r.Default(L"fallback");
    r.writeKey(L"path", L"C:\\tw\\", 1);
    r.writeKey(L"home", L"%HOME%", 1);
    EXPECT_EQ(stored(sub("settings"), "path"), (Stored{REG_SZ, Bytes("C:\\tw\\\0", 7)}));
    EXPECT_EQ(stored(sub("settings"), "home"), (Stored{REG_EXPAND_SZ, Bytes("%HOME%\0", 7)}));
    EXPECT_EQ(r.readKey(L"path"), Variant(L"C:\\tw\\"));
    EXPECT_TRUE(r.readKey(L"missing").isEmpty());  // not this instance's Default
    // The instance's own location is untouched.
    EXPECT_EQ(r.ClassKey(), 0);
    EXPECT_EQ(r.SectionKey(), L"");
    EXPECT_EQ(r.ValueKey(), L"");
    EXPECT_EQ(r.ValueType(), 0);
}

TEST_F(Registry, ErrorsCarryTheirNumberSourceAndDescription) {
    const std::wstring source = L"support_Registry_test.cRegistry";
    const std::wstring sect = section();
    auto setValue = [&](const std::wstring& root, const std::wstring& s, const std::wstring& key,
                        const std::wstring& value) {
        return L"Failed to set registry value Key: '" + root + L"',Section: '" + s + L"',Key: '" + key +
               L"' to value: '" + value + L"'";
    };
    struct Case {
        const char* what;
        int32_t root;
        std::wstring section;
        int32_t valueType;
        Variant value;
        int32_t number;
        std::wstring source;
        std::wstring description;
    };
    const Case cases[] = {
        {"create fails at root 0", 0, L"Software\\x", 1, L"abc", 26001, source,
         setValue(L"0", L"Software\\x", L"v", L"abc")},
        {"type 0", HKEY_CURRENT_USER_ID, sect, 0, L"x", -2147194455, source,
         setValue(L"-2147483647", sect, L"v", L"x")},
        {"type 6", HKEY_CURRENT_USER_ID, sect, 6, L"x", -2147194455, source,
         setValue(L"-2147483647", sect, L"v", L"x")},
        {"type 7", HKEY_CURRENT_USER_ID, sect, 7, static_cast<int32_t>(7), -2147194455, source,
         setValue(L"-2147483647", sect, L"v", L"7")},
        {"type 8", HKEY_CURRENT_USER_ID, sect, 8, L"x", -2147194455, source,
         setValue(L"-2147483647", sect, L"v", L"x")},
        {"binary of text", HKEY_CURRENT_USER_ID, sect, 3, L"x", 26001, L"support_Registry_test",
         L"Application-defined or object-defined error"},
        {"binary without element 0", HKEY_CURRENT_USER_ID, sect, 3, byteArray("\1\2", 1), 9, L"support_Registry_test",
         L"Subscript out of range"},
        {"binary ending before 0", HKEY_CURRENT_USER_ID, sect, 3, byteArray("\1\2", -5), 9, L"support_Registry_test",
         L"Subscript out of range"},
        {"empty binary", HKEY_CURRENT_USER_ID, sect, 3, byteArray(""), 9, L"support_Registry_test",
         L"Subscript out of range"},
        {"dword of text", HKEY_CURRENT_USER_ID, sect, 4, L"5", 13, L"support_Registry_test", L"Type mismatch"},
        {"dword of double", HKEY_CURRENT_USER_ID, sect, 5, 1.0, 13, L"support_Registry_test", L"Type mismatch"},
        {"text of null", HKEY_CURRENT_USER_ID, sect, 1, rt::Null{}, 94, L"support_Registry_test",
         L"Invalid use of Null"},
    };
    for (const auto& c : cases) {
        cRegistry r;
        r.ClassKey(c.root);
        r.SectionKey(c.section);
        r.ValueKey(L"v");
        r.ValueType(c.valueType);
        auto e = raised([&] { r.Value(c.value); });
        ASSERT_TRUE(e) << c.what;
        EXPECT_EQ(e->number(), c.number) << c.what;
        EXPECT_EQ(e->source(), c.source) << c.what;
        EXPECT_EQ(e->description(), c.description) << c.what;
        EXPECT_FALSE(stored("v")) << c.what << ": nothing is written";
    }
    EXPECT_EQ(cRegistry::errSetValue, -2147194455);
}

TEST_F(Registry, AWriteWithoutAUsableTypeStillCreatesTheKey) {
    cRegistry r;
    r.DefaultClassKey(HKEY_CURRENT_USER_ID);
    r.DefaultSectionKey(section() + L"\\new");
    auto e = raised([&] { r.writeKey(L"v", L"x"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), cRegistry::errSetValue);
    EXPECT_TRUE(keyExists(sub("new")));
    EXPECT_FALSE(stored(sub("new"), "v"));
}
