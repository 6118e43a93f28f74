// The registry object against the real registry: values stored with exact
// types and bytes, read through the object, and its writes checked the same way.
// ctest-lock: tarnwicket-tests-key
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/TestEnv.h"
#include "support/cRegistry.h"

using rt::Variant;
using testenv::RegValue;
using B = std::string;  // raw registry data

namespace {

rt::ByteArray bytes(const B& b, int32_t lowerBound = 0) { return {lowerBound, {b.begin(), b.end()}}; }

// Each program gets its own key below HKEY_CURRENT_USER\Software\tarnwicket-tests.
struct Registry : ::testing::Test {
    const B key = "Software\\tarnwicket-tests\\" + std::to_string(GetCurrentProcessId());
    const std::wstring section{key.begin(), key.end()};
    void SetUp() override { testenv::regDeleteTree(HKEY_CURRENT_USER, key); }
    void TearDown() override {
        testenv::regDeleteTree(HKEY_CURRENT_USER, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\tarnwicket-tests");  // once no other test's key is left
    }
    cRegistry at(const B& name, int32_t type, int32_t root = HKEY_CURRENT_USER_ID, const std::wstring& sub = L"") {
        cRegistry r;
        r.ClassKey(root);
        r.SectionKey(section + sub);
        r.ValueKey(std::wstring(name.begin(), name.end()));
        r.ValueType(type);
        return r;
    }
    std::optional<RegValue> stored(const B& name, const B& sub = "") {
        return testenv::regStored(HKEY_CURRENT_USER, key + sub, name);
    }
};

}  // namespace

TEST_F(Registry, ReadsEachStoredTypeAndReportsIt) {
    SetEnvironmentVariableA("TW_TEST_FOLDER", "C:\\tw");
    const std::pair<RegValue, Variant> cases[] = {
        {{REG_SZ, B("abc\0", 4)}, L"abc"},
        {{REG_SZ, "abc"}, L"abc"},
        {{REG_SZ, B("caf\xe9\0", 5)}, L"caf\u00e9"},
        {{REG_MULTI_SZ, B("a\0b\0\0", 5)}, std::wstring(L"a\0b\0", 4)},
        {{REG_EXPAND_SZ, B("%TW_TEST_FOLDER%\\x\0", 19)}, L"C:\\tw\\x"},
        {{REG_DWORD, B("\0\1\0\0", 4)}, static_cast<int32_t>(256)},
        {{REG_DWORD, "\1\2"}, static_cast<int32_t>(0x0201)},
        {{REG_DWORD_BIG_ENDIAN, "\x11\x22\x33\x44"}, static_cast<int32_t>(0x11223344)},
        {{REG_BINARY, "\1\2\3"}, bytes(B("\1\2\3\0", 4))},  // one zero byte more
        {{REG_BINARY, ""}, bytes(B("\0", 1))},
        {{99, "\x42"}, bytes(B("\x42\0", 2))},
        {testenv::sz(B(100000, 'x')), std::wstring(100000, L'x')},
    };
    for (const auto& [value, expected] : cases) {
        ASSERT_TRUE(testenv::regStore(HKEY_CURRENT_USER, key, "v", value));
        cRegistry r = at("v", 1234);
        Variant v = r.Value();
        EXPECT_EQ(v.kind(), expected.kind()) << testing::PrintToString(value);
        EXPECT_EQ(v, expected) << testing::PrintToString(value);
        EXPECT_EQ(r.ValueType(), static_cast<int32_t>(value.first));
    }
}

TEST_F(Registry, NothingFoundGivesDefaultAndKeepsValueType) {
    testenv::regStore(HKEY_CURRENT_USER, key, "other", testenv::sz("x"));
    const std::tuple<int32_t, std::wstring, bool> cases[] = {
        {HKEY_CURRENT_USER_ID, L"", true}, {HKEY_CURRENT_USER_ID, L"\\missing", false}, {0, L"", false}};
    for (const auto& [root, sub, exists] : cases) {
        cRegistry r = at("nothing", 42, root, sub);
        r.Default(L"fallback");
        EXPECT_EQ(r.KeyExists(), exists);
        EXPECT_EQ(r.Value(), Variant(L"fallback"));
        EXPECT_EQ(r.ValueType(), 42);
    }
}

TEST_F(Registry, WritesStoreWhatTheValueTypeAsksWithThePercentRule) {
    const std::tuple<int32_t, Variant, RegValue> cases[] = {
        {1, L"C:\\Games\\", testenv::sz("C:\\Games\\")},
        {1, L"x%PATH%y", {REG_EXPAND_SZ, B("x%PATH%y\0", 9)}},
        {1, L"%a%b", {REG_EXPAND_SZ, B("%a%b\0", 5)}},
        {1, L"100%", testenv::sz("100%")},
        {2, L"C:\\Games", testenv::sz("C:\\Games")},
        {1, true, testenv::sz("True")},
        {1, L"caf\u00e9", testenv::sz("caf\xe9")},
        {3, bytes("\x09\1\2", -1), {REG_BINARY, "\1\2"}},  // from element 0 on
        {4, static_cast<int16_t>(-1), {REG_DWORD, "\xff\xff\xff\xff"}},
        {5, static_cast<int32_t>(5), {REG_DWORD, B("\5\0\0\0", 4)}},  // big-endian writes a DWORD
    };
    for (const auto& [type, value, expected] : cases) {
        at("v", type).Value(value);
        EXPECT_EQ(stored("v"), expected) << type << " " << testing::PrintToString(value);
    }
}

TEST_F(Registry, ReadKeyAndWriteKeyUseTheDefaultLocationOnly) {
    cRegistry r;
    r.DefaultClassKey(HKEY_CURRENT_USER_ID);
    r.DefaultSectionKey(section + L"\\settings");
    r.Default(L"fallback");
    r.writeKey(L"path", L"C:\\tw\\", 1);
    r.writeKey(L"home", L"%HOME%", 1);
    EXPECT_EQ(stored("path", "\\settings"), testenv::sz("C:\\tw\\"));
    EXPECT_EQ(stored("home", "\\settings"), (RegValue{REG_EXPAND_SZ, B("%HOME%\0", 7)}));
    EXPECT_EQ(r.readKey(L"path"), Variant(L"C:\\tw\\"));
    EXPECT_TRUE(r.readKey(L"missing").isEmpty());  // not this instance's Default
    EXPECT_EQ(
        std::make_tuple(r.ClassKey(), r.SectionKey(), r.ValueKey(), r.ValueType()),  // its own location is untouched
        std::make_tuple(0, std::wstring(), std::wstring(), 0));
    // Without a usable type the key is still created, the value not.
    EXPECT_EQ(testenv::raisedError([&] { r.writeKey(L"v", L"x"); }), cRegistry::errSetValue);
    EXPECT_TRUE(testenv::regStored(HKEY_CURRENT_USER, key + "\\settings", "path"));
    EXPECT_FALSE(stored("v", "\\settings"));
}

TEST_F(Registry, ErrorsCarryTheirNumberSourceAndDescription) {
    const std::wstring own = L"support_Registry_test", source = own + L".cRegistry";
    auto setValue = [&](const std::wstring& root, const std::wstring& s, const std::wstring& value) {
        return L"Failed to set registry value Key: '" + root + L"',Section: '" + s + L"',Key: 'v' to value: '" + value +
               L"'";
    };
    const std::wstring hkcu = L"-2147483647", subscript = L"Subscript out of range";
    const struct {
        int32_t root, type;
        Variant value;
        int32_t number;
        std::wstring source, description;
    } cases[] = {
        {0, 1, L"abc", 26001, source, setValue(L"0", section, L"abc")},
        {HKEY_CURRENT_USER_ID, 0, L"x", -2147194455, source, setValue(hkcu, section, L"x")},
        {HKEY_CURRENT_USER_ID, 3, L"x", 26001, own, L"Application-defined or object-defined error"},
        {HKEY_CURRENT_USER_ID, 3, bytes("\1\2", 1), 9, own, subscript},
        {HKEY_CURRENT_USER_ID, 4, L"5", 13, own, L"Type mismatch"},
        {HKEY_CURRENT_USER_ID, 1, rt::Null{}, 94, own, L"Invalid use of Null"},
    };
    for (const auto& c : cases) {
        try {
            at("v", c.type, c.root).Value(c.value);
            ADD_FAILURE() << c.description << ": nothing raised";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.description;
            EXPECT_EQ(e.source(), c.source) << c.description;
            EXPECT_EQ(e.description(), c.description);
        }
        EXPECT_FALSE(stored("v")) << c.description << ": nothing is written";
    }
}

TEST_F(Registry, AValueRewrittenDuringTheReadComesBackWhole) {
    const B longText(3000, 'x');
    const Variant expected[] = {L"s", std::wstring(longText.begin(), longText.end())};
    testenv::regStore(HKEY_CURRENT_USER, key, "v", testenv::sz("s"));
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int i = 0; !stop; ++i) testenv::regStore(HKEY_CURRENT_USER, key, "v", testenv::sz(i % 2 ? longText : "s"));
    });
    int torn = 0;
    for (int i = 0; i < 400; ++i) {
        Variant v = at("v", 1).Value();
        if (v != expected[0] && v != expected[1]) ++torn;
    }
    stop = true;
    writer.join();
    EXPECT_EQ(torn, 0);
}
