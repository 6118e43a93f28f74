// The registry object's key operations, listings and file associations
// against Wine's registry, each program under keys of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestEnv.h"
#include "support/cRegistry.h"

using testenv::RegValue;
using testenv::sz;

namespace {

const std::string pid = std::to_string(GetCurrentProcessId());
std::wstring wide(const std::string& s) { return {s.begin(), s.end()}; }

struct RegistryKeys : ::testing::Test {
    const std::string key = "Software\\tarnwicket-tests\\keys-" + pid;
    void SetUp() override { testenv::regDeleteTree(HKEY_CURRENT_USER, key); }
    void TearDown() override {
        testenv::regDeleteTree(HKEY_CURRENT_USER, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\tarnwicket-tests");
    }
    cRegistry at(const std::string& sub, const std::string& value = "", int32_t root = HKEY_CURRENT_USER_ID) {
        cRegistry r;
        r.ClassKey(root);
        r.SectionKey(wide(key + sub));
        r.ValueKey(wide(value));
        return r;
    }
    bool exists(const std::string& sub) {
        HKEY h = nullptr;
        bool found = RegOpenKeyExA(HKEY_CURRENT_USER, (key + sub).c_str(), 0, KEY_READ, &h) == ERROR_SUCCESS;
        if (found) RegCloseKey(h);
        return found;
    }
};

// The class and extension of this program's associations, removed after each test.
struct Associations : ::testing::Test {
    const std::string cls = "twtest" + pid + "file", ext = "tw" + pid;
    void TearDown() override {
        for (const std::string& k : {cls, "." + ext}) {
            testenv::regDeleteTree(HKEY_CLASSES_ROOT, k);
            testenv::regDeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + k);
        }
    }
    // The default value of `sub` under both roots, when both hold the same.
    std::optional<RegValue> stored(const std::string& sub) {
        auto classes = testenv::regStored(HKEY_CLASSES_ROOT, sub, "");
        auto machine = testenv::regStored(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + sub, "");
        EXPECT_EQ(classes, machine) << sub;
        return classes;
    }
    void associate(const std::wstring& exe, bool print, bool install, bool menuTexts, int32_t icon) {
        const std::wstring menu = menuTexts ? L"M" : L"";
        cRegistry().CreateEXEAssociation(exe, wide(cls), L"X File", wide(ext), menu, print, menu, false, menu, install,
                                         menu, icon);
    }
};

}  // namespace

TEST_F(RegistryKeys, KeyOperationsSucceedOrRaiseWithTheirDescriptions) {
    const std::wstring at0 = L"',Section: '" + wide(key);
    ASSERT_TRUE(at("\\made").CreateKey());
    EXPECT_TRUE(exists("\\made"));
    testenv::regStore(HKEY_CURRENT_USER, key + "\\made", "v", sz("x"));
    EXPECT_TRUE(at("\\made", "v").DeleteValue());
    EXPECT_FALSE(testenv::regStored(HKEY_CURRENT_USER, key + "\\made", "v"));
    EXPECT_TRUE(at("\\made").DeleteKey());
    EXPECT_FALSE(exists("\\made"));

    const std::wstring root = L"-2147483647";
    const struct {
        bool (cRegistry::*op)() const;
        cRegistry r;
        std::wstring description;
    } cases[] = {
        {&cRegistry::CreateKey, cRegistry(), L"Failed to create registry Key: '"},
        {&cRegistry::DeleteKey, at("\\none"), L"Failed to delete registry Key: '" + root + at0 + L"\\none"},
        {&cRegistry::DeleteValue, at("", "none"),
         L"Failed to delete registry Key: '" + root + at0 + L"',Key: 'none"},
        {&cRegistry::DeleteValue, at("\\none", "v"),
         L"Failed to open key '" + root + at0 + L"\\none' for delete access"},
    };
    at("").CreateKey();
    for (const auto& c : cases) {
        try {
            (c.r.*c.op)();
            ADD_FAILURE() << "nothing raised: " << testing::PrintToString(c.description);
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 26001);
            EXPECT_EQ(e.source(), L"support_RegistryKeys_test.cRegistry");
            EXPECT_EQ(e.description(), c.description);
        }
    }
}

TEST_F(RegistryKeys, ListingsGiveEveryNameLongOnesIncluded) {
    const std::string longKey(255, 'k'), longValue(300, 'n');
    HKEY parent = nullptr, sub = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              0);
    for (const std::string& name : {std::string("a"), longKey, std::string("z")}) {  // too long as full paths
        ASSERT_EQ(RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &sub, nullptr), 0);
        RegCloseKey(sub);
    }
    RegCloseKey(parent);
    for (const std::string& name : {std::string(), std::string("N"), longValue})
        testenv::regStore(HKEY_CURRENT_USER, key, name, sz("x"));
    std::vector<std::wstring> names{L"stale"};
    int32_t count = -1;
    ASSERT_TRUE(at("").EnumerateSections(names, count));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", wide(longKey), L"z"}));
    EXPECT_EQ(count, 3);
    ASSERT_TRUE(at("").EnumerateValues(names, count));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"", L"N", wide(longValue)}));
    EXPECT_EQ(count, 3);
    for (auto list : {&cRegistry::EnumerateSections, &cRegistry::EnumerateValues}) {
        EXPECT_TRUE((at("\\missing").*list)(names, count));
        EXPECT_EQ(std::make_pair(names.size(), count), std::make_pair(size_t{0}, 0));
    }
}

TEST_F(Associations, WritesEachKeyUnderBothRootsAndLeavesTheLastLocation) {
    const RegValue command{REG_SZ, "\"C:\\Tools\\x.exe\" \"%1\"" + std::string(1, '\0')};
    cRegistry r;
    r.CreateEXEAssociation(L"C:\\Tools\\x.exe", wide(cls), L"X File", wide(ext), L"", false, L"", false, L"", true, L"",
                           0);
    const std::pair<std::string, std::optional<RegValue>> keys[] = {
        {"." + ext, sz(cls)},
        {cls, sz("X File")},
        {cls + "\\shell\\open", sz("&Open")},
        {cls + "\\shell\\open\\command", command},
        {cls + "\\shell\\add", sz("&Install " + ext)},
        {cls + "\\shell\\add\\command", sz("\"C:\\Tools\\x.exe\" /a \"%1\"")},
        {cls + "\\DefaultIcon", sz("\"C:\\Tools\\x.exe\",0")},
        {cls + "\\shell\\print", std::nullopt},
        {cls + "\\shell\\new", std::nullopt},
    };
    for (const auto& [sub, value] : keys) EXPECT_EQ(stored(sub), value) << sub;
    EXPECT_EQ(std::make_tuple(r.ClassKey(), r.SectionKey(), r.ValueKey(), r.ValueType()),
              std::make_tuple(HKEY_LOCAL_MACHINE_ID, wide(cls + "\\DefaultIcon"), std::wstring(), 1));
}

TEST_F(Associations, QuotesThePathOnceAndWritesTheVerbsAsked) {
    const struct {
        std::wstring exe;
        bool print, install, menuTexts;
        int32_t icon;
        std::string sub, value;
    } cases[] = {
        {L"  C:\\a b\\x.exe ", false, false, false, -1, "\\shell\\open\\command", "\"C:\\a b\\x.exe\" \"%1\""},
        {L"\"C:\\x.exe\"", true, false, false, -1, "\\shell\\print\\command", "\"C:\\x.exe\" /p \"%1\""},
        {L"\"C:\\x.exe", true, false, false, 2, "\\DefaultIcon", "\"C:\\x.exe\",2"},
        {L"x", true, false, false, -1, "\\shell\\print", "&Print"},
        {L"x", true, true, true, -1, "\\shell\\add", "M"},
    };
    for (const auto& c : cases) {
        TearDown();
        associate(c.exe, c.print, c.install, c.menuTexts, c.icon);
        EXPECT_EQ(stored(cls + c.sub), sz(c.value)) << c.sub;
        EXPECT_EQ(stored(cls + "\\DefaultIcon").has_value(), c.icon > -1);
    }
}

TEST_F(Associations, AdditionalVerbsNeedTriplesAndTheClassAtTheCurrentRoot) {
    cRegistry r;
    using V = rt::VariantList;
    auto raised = [&](const V& items) {
        return testenv::raisedError([&] { r.CreateAdditionalEXEAssociations(wide(cls), items); });
    };
    EXPECT_EQ(raised({L"edit", L"&Edit"}), cRegistry::errAssociationItems);
    EXPECT_EQ(raised({}), cRegistry::errNoClass);  // no class yet
    associate(L"C:\\x.exe", false, false, false, -1);
    EXPECT_EQ(raised({}), cRegistry::errNoClass);  // looked for directly under HKEY_LOCAL_MACHINE
    r.ClassKey(HKEY_CLASSES_ROOT_ID);
    EXPECT_EQ(raised({L"edit", L"&Edit", L"notepad \"%1\"", L"bad", rt::Null{}, L"x", L"view", L"&View", 5}), 0);
    EXPECT_EQ(stored(cls + "\\shell\\edit"), sz("&Edit"));
    EXPECT_EQ(stored(cls + "\\shell\\edit\\command"), sz("notepad \"%1\""));
    EXPECT_FALSE(stored(cls + "\\shell\\bad"));
    EXPECT_EQ(stored(cls + "\\shell\\view\\command"), sz("5"));
}
