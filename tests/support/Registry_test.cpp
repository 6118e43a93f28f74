// The registry object against Wine's registry, under keys of this program's
// own: values stored with exact types and bytes, read through the object and
// its writes checked the same way; key operations, listings and file
// associations under both class roots.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "common/TestEnv.h"
#include "support/cRegistry.h"

using rt::Variant;
using testenv::RegValue;
using testenv::sz;
using B = std::string;  // raw registry data

namespace {

rt::ByteArray bytes(const B& b, int32_t lowerBound = 0) { return {lowerBound, {b.begin(), b.end()}}; }
std::wstring wide(const B& s) { return {s.begin(), s.end()}; }

// What a call raises: number and description (0 and blank when nothing).
std::pair<int32_t, std::wstring> raised(const std::function<void()>& call) {
    try {
        call();
    } catch (const rt::RuntimeError& e) {
        return {e.number(), e.description()};
    }
    return {};
}

const B pid = std::to_string(GetCurrentProcessId());
const B key = "Software\\tarnwicket-tests\\" + pid, cls = "twtest" + pid + "file", ext = "tw" + pid;

// The object pointed at `value` in `sub` below this program's key.
cRegistry at(const B& sub, const B& value = "", int32_t type = 0) {
    cRegistry r;
    r.ClassKey(HKEY_CURRENT_USER_ID);
    r.SectionKey(wide(key + sub));
    r.ValueKey(wide(value));
    r.ValueType(type);
    return r;
}

struct Registry : ::testing::Test {
    const std::wstring section = wide(key);
    void SetUp() override { TearDown(); }
    void TearDown() override {
        testenv::regDeleteTree(HKEY_CURRENT_USER, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\tarnwicket-tests");  // once no other program's key is left
        for (const B& k : {cls, "." + ext}) {
            testenv::regDeleteTree(HKEY_CLASSES_ROOT, k);
            testenv::regDeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + k);
        }
    }
    std::optional<RegValue> stored(const B& name, const B& sub = "") {
        return testenv::regStored(HKEY_CURRENT_USER, key + sub, name);
    }
    // The default value of `sub` under both class roots, which must agree.
    std::optional<RegValue> classValue(const B& sub) {
        auto classes = testenv::regStored(HKEY_CLASSES_ROOT, sub, "");
        EXPECT_EQ(classes, testenv::regStored(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + sub, "")) << sub;
        return classes;
    }
};

}  // namespace

TEST_F(Registry, ReadsEachStoredTypeAndReportsIt) {
    SetEnvironmentVariableA("TW_TEST_FOLDER", "C:\\tw");
    const std::pair<RegValue, Variant> cases[] = {
        {{REG_SZ, B("abc\0", 4)}, L"abc"},
        {{REG_SZ, B("C:\\x\0\0", 6)}, L"C:\\x"},  // its NUL doubled, as some programs store paths
        {{REG_SZ, B("a\0b\0", 4)}, L"a"},
        {{REG_MULTI_SZ, B("a\0b\0\0", 5)}, std::wstring(L"a\0b\0", 4)},
        {{REG_EXPAND_SZ, B("%TW_TEST_FOLDER%\\x\0", 19)}, L"C:\\tw\\x"},
        {{REG_EXPAND_SZ, B("%TW_TEST_FOLDER%\0\0", 18)}, L"C:\\tw"},
        {{REG_DWORD, B("\0\1\0\0", 4)}, 256},
        {{REG_DWORD_BIG_ENDIAN, "\x11\x22\x33\x44"}, 0x11223344},
        {{REG_BINARY, "\1\2\3"}, bytes("\1\2\3")},
        {{REG_BINARY, ""}, bytes("")},
        {{REG_NONE, B("\0", 1)}, bytes(B("\0", 1))}};
    for (const auto& [value, expected] : cases) {
        ASSERT_TRUE(testenv::regStore(HKEY_CURRENT_USER, key, "v", value));
        cRegistry r = at("", "v", 1234);
        Variant v = r.Value();
        EXPECT_EQ(std::make_tuple(v.kind(), v, r.ValueType()),
                  std::make_tuple(expected.kind(), expected, static_cast<int32_t>(value.first)))
            << testing::PrintToString(value);
    }
}

// The system's expansion takes at most 32 767 characters each way, the NUL included. Past that it crashes or cuts
// the text while reporting it whole: the read raises 5 then and leaves ValueType as it was.
TEST_F(Registry, AnExpansionIsWholeOrRaises) {
    SetEnvironmentVariableA("TW_TEST_BIG", B(30000, 'y').c_str());
    B percents(70000, 'x');
    percents.front() = percents.back() = '%';
    const std::pair<B, Variant> cases[] = {{B(32766, 'x'), wide(B(32766, 'x'))},
                                           {"%TW_TEST_BIG%", wide(B(30000, 'y'))},
                                           {B(32767, 'x'), rt::errInvalidCall},
                                           {percents, rt::errInvalidCall},
                                           {"%TW_TEST_BIG%%TW_TEST_BIG%", rt::errInvalidCall}};
    for (const auto& [text, expected] : cases) {
        ASSERT_TRUE(testenv::regStore(HKEY_CURRENT_USER, key, "v", {REG_EXPAND_SZ, text + '\0'}));
        cRegistry r = at("", "v", 1234);
        Variant got;
        const int32_t error = testenv::raisedError([&] { got = r.Value(); });
        if (expected.kind() == Variant::Kind::String)
            EXPECT_EQ(std::make_tuple(error, got, r.ValueType()), std::make_tuple(0, expected, REG_EXPAND_SZ));
        else
            EXPECT_EQ(std::make_pair(error, r.ValueType()), std::make_pair(expected.toLong(), 1234));
    }
}

// A byte array read and written back is stored as it was.
TEST_F(Registry, ABinaryValueReadAndWrittenBackStaysAsItWas) {
    for (const B& data : {B("\1\2\3"), B("\0\1\0", 3)}) {
        ASSERT_TRUE(testenv::regStore(HKEY_CURRENT_USER, key, "v", {REG_BINARY, data}));
        cRegistry r = at("", "v");
        r.Value(r.Value());
        EXPECT_EQ(stored("v"), RegValue(REG_BINARY, data));
    }
}

TEST_F(Registry, NothingFoundGivesDefaultAndKeepsValueType) {
    testenv::regStore(HKEY_CURRENT_USER, key, "other", sz("x"));
    for (const auto& [sub, exists] : {std::pair<B, bool>{"", true}, {"\\missing", false}}) {
        cRegistry r = at(sub, "nothing", 42);
        r.Default(L"fallback");
        const Variant v = r.Value();
        EXPECT_EQ(std::make_tuple(r.KeyExists(), v, r.ValueType()), std::make_tuple(exists, Variant(L"fallback"), 42));
    }
}

TEST_F(Registry, WritesStoreWhatTheValueTypeAsksWithThePercentRule) {
    const std::tuple<int32_t, Variant, RegValue> cases[] = {
        {1, L"x%PATH%y", {REG_EXPAND_SZ, B("x%PATH%y\0", 9)}},
        {1, L"100%", sz("100%")},
        {3, bytes("\x09\1\2", -1), {REG_BINARY, "\1\2"}},  // from element 0 on
        {5, 5, {REG_DWORD, B("\5\0\0\0", 4)}}              // big-endian writes a DWORD
    };
    for (const auto& [type, value, expected] : cases) {
        at("", "v", type).Value(value);
        EXPECT_EQ(stored("v"), expected) << type << " " << testing::PrintToString(value);
    }
}

TEST_F(Registry, ReadKeyAndWriteKeyUseTheDefaultLocationOnly) {
    cRegistry r;
    r.DefaultClassKey(HKEY_CURRENT_USER_ID);
    r.DefaultSectionKey(section + L"\\settings");
    r.Default(L"fallback");
    r.writeKey(L"path", L"C:\\tw\\", 1);
    EXPECT_EQ(r.readKey(L"path"), Variant(L"C:\\tw\\"));
    EXPECT_TRUE(r.readKey(L"missing").isEmpty());  // not this instance's Default
}

// Nothing is written when a write raises.
TEST_F(Registry, ErrorsCarryTheirNumberAndDescription) {
    const std::wstring where = L"-2147483647',Section: '" + section;
    const std::tuple<std::function<void()>, int32_t, std::wstring> cases[] = {
        {[] { at("", "v", 0).Value(L"x"); }, -2147194455,
         L"Failed to set registry value Key: '" + where + L"',Key: 'v' to value: 'x'"},
        {[] { at("", "v", 3).Value(bytes("\1\2", 1)); }, 9, L"Subscript out of range"},
        {[] { cRegistry().CreateKey(); }, 26001, L"Failed to create registry Key: '"},
        {[] { at("\\none", "v").DeleteValue(); }, 26001,
         L"Failed to open key '" + where + L"\\none' for delete access"}};
    for (const auto& [call, number, description] : cases) EXPECT_EQ(raised(call), std::make_pair(number, description));
    EXPECT_FALSE(stored("v"));
}

TEST_F(Registry, AValueRewrittenDuringTheReadComesBackWhole) {
    const B longText(3000, 'x');
    testenv::regStore(HKEY_CURRENT_USER, key, "v", sz("s"));
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int i = 0; !stop; ++i) testenv::regStore(HKEY_CURRENT_USER, key, "v", sz(i % 2 ? longText : "s"));
    });
    int torn = 0;
    for (int i = 0; i < 400; ++i) {
        const std::wstring v = at("", "v", 1).Value().toString();
        torn += v != L"s" && v != wide(longText);
    }
    stop = true;
    writer.join();
    EXPECT_EQ(torn, 0);
}

TEST_F(Registry, KeyOperations) {
    EXPECT_TRUE(at("\\k").CreateKey());
    at("\\k", "v", 1).Value(L"x");
    EXPECT_TRUE(at("\\k", "v").DeleteValue());
    EXPECT_FALSE(stored("v", "\\k"));
    EXPECT_TRUE(at("\\k").DeleteKey());
    EXPECT_FALSE(at("\\k").KeyExists());
}

// A name names nothing when the code page turns it into another (1252 makes "C" of a "C" with a circumflex), or when
// it holds a NUL, before which the system would read it: not the "C" beside it. Writes raise, as for a bad name, and
// create nothing; queries answer as for a missing name. The "e" with an acute accent is a name the code page holds.
TEST_F(Registry, NamesTheCodePageCannotHoldOrHoldingANulNameNothing) {
    auto named = [&](const std::wstring& sub, const std::wstring& value) {
        cRegistry r = at("", "", 1);
        r.SectionKey(section + sub);
        r.ValueKey(value);
        r.Default(L"none");
        r.DefaultClassKey(HKEY_CURRENT_USER_ID);
        r.DefaultSectionKey(section + sub);
        return r;
    };
    for (const std::wstring& bad : {std::wstring(L"\u0108"), std::wstring(L"C\0\\tmp", 6)}) {
        TearDown();
        testenv::regStore(HKEY_CURRENT_USER, key + "\\C", "C", sz("keep"));
        testenv::regStore(HKEY_CURRENT_USER, key + "\\C\\C", "", sz("leaf"));
        const std::pair<std::function<void()>, int32_t> writes[] = {
            {[&] { named(L"\\" + bad, L"C").Value(L"lost"); }, cRegistry::errRegistry},
            {[&] { named(L"\\C", bad).Value(L"lost"); }, cRegistry::errSetValue},
            {[&] { named(L"\\new", bad).Value(L"lost"); }, cRegistry::errSetValue},
            {[&] { named(L"\\new", L"").writeKey(bad, L"lost", 1); }, cRegistry::errSetValue},
            {[&] { named(L"\\C", bad).DeleteValue(); }, cRegistry::errRegistry},
            {[&] { named(L"\\C\\" + bad, L"").DeleteKey(); }, cRegistry::errRegistry},
            {[&] { named(L"\\" + bad, L"").CreateKey(); }, cRegistry::errRegistry}};
        for (size_t i = 0; i < std::size(writes); ++i) {
            EXPECT_EQ(testenv::raisedError(writes[i].first), writes[i].second) << i;
            EXPECT_EQ(std::make_pair(stored("C", "\\C"), stored("", "\\C\\C")),
                      std::make_pair(std::optional(sz("keep")), std::optional(sz("leaf"))))
                << i;
            EXPECT_FALSE(at("\\new").KeyExists()) << i;
        }
        EXPECT_EQ(named(L"\\" + bad, L"C").Value(), Variant(L"none"));
        EXPECT_EQ(named(L"\\C", bad).Value(), Variant(L"none"));
        EXPECT_TRUE(named(L"\\C", L"").readKey(bad).isEmpty());
        EXPECT_FALSE(named(L"\\" + bad, L"").KeyExists());
        std::vector<std::wstring> names;
        int32_t sections = -1, values = -1;
        named(L"\\" + bad, L"").EnumerateSections(names, sections);
        named(L"\\" + bad, L"").EnumerateValues(names, values);
        EXPECT_EQ(std::make_pair(sections, values), std::make_pair(0, 0));
    }
    named(L"\\\u00E9", L"\u00E9").Value(L"kept");
    EXPECT_EQ(stored("\xE9", "\\\xE9"), sz("kept"));
    EXPECT_EQ(named(L"\\\u00E9", L"\u00E9").Value(), Variant(L"kept"));
}

// A value name longer than any fixed buffer for names would hold.
TEST_F(Registry, ListingsGiveEveryNameLongOnesIncluded) {
    const std::string longValue(300, 'n');
    for (const std::string& name : {std::string(), std::string("N"), longValue})
        testenv::regStore(HKEY_CURRENT_USER, key, name, sz("x"));
    for (const char* sub : {"\\a", "\\z"}) testenv::regStore(HKEY_CURRENT_USER, key + sub, "", sz("x"));
    std::vector<std::wstring> names{L"stale"};
    int32_t count = -1;
    EXPECT_TRUE(at("").EnumerateSections(names, count));
    EXPECT_EQ(std::make_pair(names, count), std::make_pair(std::vector<std::wstring>{L"a", L"z"}, 2));
    EXPECT_TRUE(at("").EnumerateValues(names, count));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::make_pair(names, count), std::make_pair(std::vector<std::wstring>{L"", L"N", wide(longValue)}, 3));
    EXPECT_TRUE(at("\\missing").EnumerateValues(names, count));
    EXPECT_EQ(std::make_pair(names.size(), count), std::make_pair(size_t{0}, 0));
}

TEST_F(Registry, AssociationWritesEachKeyUnderBothRoots) {
    cRegistry r;
    r.CreateEXEAssociation(L"C:\\Tools\\x.exe", wide(cls), L"X File", wide(ext), L"", false, L"", false, L"", true, L"",
                           0);
    const std::pair<std::string, std::optional<testenv::RegValue>> keys[] = {
        {"." + ext, sz(cls)},
        {cls, sz("X File")},
        {cls + "\\shell\\open", sz("&Open")},
        {cls + "\\shell\\open\\command", sz("\"C:\\Tools\\x.exe\" \"%1\"")},
        {cls + "\\shell\\add", sz("&Install " + ext)},
        {cls + "\\shell\\add\\command", sz("\"C:\\Tools\\x.exe\" /a \"%1\"")},
        {cls + "\\DefaultIcon", sz("\"C:\\Tools\\x.exe\",0")},
        {cls + "\\shell\\print", std::nullopt}};
    for (const auto& [sub, value] : keys) EXPECT_EQ(classValue(sub), value) << sub;
    // Blanks go and a quoted path is not quoted again; print gets its default text; no icon below 0.
    TearDown();
    r.CreateEXEAssociation(L" \"C:\\x.exe\" ", wide(cls), L"", wide(ext), L"", true, L"", false, L"", false, L"", -1);
    EXPECT_EQ(classValue(cls + "\\shell\\print\\command"), sz("\"C:\\x.exe\" /p \"%1\""));
    EXPECT_EQ(classValue(cls + "\\shell\\print"), sz("&Print"));
    EXPECT_FALSE(classValue(cls + "\\DefaultIcon"));
}

TEST_F(Registry, AdditionalVerbsNeedTriplesAndTheClassAtTheCurrentRoot) {
    cRegistry r;
    auto raised = [&](const rt::VariantList& items) {
        return testenv::raisedError([&] { r.CreateAdditionalEXEAssociations(wide(cls), items); });
    };
    EXPECT_EQ(raised({L"edit", L"&Edit"}), cRegistry::errAssociationItems);
    r.CreateEXEAssociation(L"C:\\x.exe", wide(cls), L"", wide(ext), L"", false, L"", false, L"", false, L"", -1);
    EXPECT_EQ(raised({}), cRegistry::errNoClass);  // looked for directly under HKEY_LOCAL_MACHINE
    r.ClassKey(HKEY_CLASSES_ROOT_ID);
    EXPECT_EQ(raised({L"edit", L"&Edit", L"notepad \"%1\"", L"bad", rt::Null{}, L"x", L"view", L"&View", 5}), 0);
    EXPECT_EQ(classValue(cls + "\\shell\\edit\\command"), sz("notepad \"%1\""));
    EXPECT_FALSE(classValue(cls + "\\shell\\bad"));  // a menu text that is not text is skipped alone
    EXPECT_EQ(classValue(cls + "\\shell\\bad\\command"), sz("x"));
    // A verb named "" or with a "\" would write into the class's default verb or its open command: skipped.
    r.ClassKey(HKEY_CLASSES_ROOT_ID);  // the writes leave it at the other root
    EXPECT_EQ(raised({L"", L"&Empty", L"empty", L"open\\command", L"&Open", L"open"}), 0);
    EXPECT_FALSE(classValue(cls + "\\shell"));
    EXPECT_EQ(classValue(cls + "\\shell\\open\\command"), sz("\"C:\\x.exe\" \"%1\""));
}

// An empty class name or extension, or one with a "\", would write elsewhere (the root of the classes, another
// extension's class): refused before anything is written.
TEST_F(Registry, AssociationNamesMustBeOneKeyEach) {
    testenv::regStore(HKEY_CLASSES_ROOT, "." + ext, "", sz("keep"));
    const auto rootBefore = testenv::regStored(HKEY_CLASSES_ROOT, "", "");
    const std::pair<std::wstring, std::wstring> names[] = {
        {L"", wide(ext)}, {wide(cls) + L"\\x", wide(ext)}, {L"\u0108", wide(ext)}, {wide(cls), L""},
        {wide(cls), wide(ext) + L"\\x"}, {wide(cls) + std::wstring(L"\0x", 2), wide(ext)},
        {wide(cls), wide(ext) + std::wstring(L"\0x", 2)}, {wide(cls), wide(ext) + L"\u0108"}};
    for (const auto& [className, extension] : names) {
        EXPECT_EQ(testenv::raisedError([&] {
                      cRegistry().CreateEXEAssociation(L"C:\\x.exe", className, L"lost", extension, L"", false, L"",
                                                       false, L"", false, L"", -1);
                  }),
                  rt::errInvalidCall)
            << className << L" " << extension;
        EXPECT_EQ(classValue("." + ext), sz("keep"));
        EXPECT_EQ(testenv::regStored(HKEY_CLASSES_ROOT, "", ""), rootBefore);
        EXPECT_FALSE(classValue(cls));
    }
}
