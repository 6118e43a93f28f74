// The registry object's key operations, listings and file associations
// against Wine's registry, under keys of this program's own.
// Both registry test programs remove the parent key they share once it is
// empty, which fails another's key creation below it under Wine (key deleted).
// ctest-lock: tarnwicket-tests-key
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "common/TestEnv.h"
#include "support/cRegistry.h"

using testenv::sz;

namespace {

const std::string pid = std::to_string(GetCurrentProcessId());
const std::string key = "Software\\tarnwicket-tests\\keys-" + pid, cls = "twtest" + pid + "file", ext = "tw" + pid;
std::wstring wide(const std::string& s) { return {s.begin(), s.end()}; }

cRegistry at(const std::string& sub, const std::string& value = "") {
    cRegistry r;
    r.ClassKey(HKEY_CURRENT_USER_ID);
    r.SectionKey(wide(key + sub));
    r.ValueKey(wide(value));
    return r;
}

struct RegistryKeys : ::testing::Test {
    void SetUp() override { TearDown(); }
    void TearDown() override {
        testenv::regDeleteTree(HKEY_CURRENT_USER, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\tarnwicket-tests");  // once no other test's key is left
        for (const std::string& k : {cls, "." + ext}) {
            testenv::regDeleteTree(HKEY_CLASSES_ROOT, k);
            testenv::regDeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + k);
        }
    }
    // The default value of `sub` under both class roots, which must agree.
    std::optional<testenv::RegValue> classValue(const std::string& sub) {
        auto classes = testenv::regStored(HKEY_CLASSES_ROOT, sub, "");
        EXPECT_EQ(classes, testenv::regStored(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + sub, "")) << sub;
        return classes;
    }
};

}  // namespace

TEST_F(RegistryKeys, KeyOperationsSucceedOrRaiseWithTheirDescriptions) {
    EXPECT_TRUE(at("\\k").CreateKey());
    testenv::regStore(HKEY_CURRENT_USER, key + "\\k", "v", sz("x"));
    EXPECT_TRUE(at("\\k", "v").DeleteValue());
    EXPECT_FALSE(testenv::regStored(HKEY_CURRENT_USER, key + "\\k", "v"));
    EXPECT_TRUE(at("\\k").DeleteKey());
    EXPECT_FALSE(at("\\k").KeyExists());
    const std::wstring where = L"-2147483647',Section: '" + wide(key);
    const std::pair<std::function<void()>, std::wstring> cases[] = {
        {[] { cRegistry().CreateKey(); }, L"Failed to create registry Key: '"},
        {[] { at("\\none").DeleteKey(); }, L"Failed to delete registry Key: '" + where + L"\\none"},
        {[] { at("", "none").DeleteValue(); }, L"Failed to delete registry Key: '" + where + L"',Key: 'none"},
        {[] { at("\\none", "v").DeleteValue(); }, L"Failed to open key '" + where + L"\\none' for delete access"},
    };
    for (const auto& [operation, description] : cases) {
        try {
            operation();
            ADD_FAILURE() << "nothing raised: " << testing::PrintToString(description);
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(std::make_tuple(e.number(), e.source(), e.description()),
                      std::make_tuple(26001, std::wstring(L"support_RegistryKeys_test.cRegistry"), description));
        }
    }
}

TEST_F(RegistryKeys, ListingsGiveEveryNameLongOnesIncluded) {
    const std::string longKey(255, 'k'), longValue(300, 'n');
    HKEY parent = nullptr, sub = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              0);
    for (const std::string& name : {std::string("a"), longKey, std::string("z")}) {  // too long as full paths
        RegCreateKeyExA(parent, name.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &sub, nullptr);
        RegCloseKey(sub);
    }
    RegCloseKey(parent);
    for (const std::string& name : {std::string(), std::string("N"), longValue})
        testenv::regStore(HKEY_CURRENT_USER, key, name, sz("x"));
    std::vector<std::wstring> names{L"stale"};
    int32_t count = -1;
    EXPECT_TRUE(at("").EnumerateSections(names, count));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", wide(longKey), L"z"}));
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(at("").EnumerateValues(names, count));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"", L"N", wide(longValue)}));
    EXPECT_EQ(count, 3);
    for (auto list : {&cRegistry::EnumerateSections, &cRegistry::EnumerateValues}) {
        EXPECT_TRUE((at("\\missing").*list)(names, count));
        EXPECT_EQ(std::make_pair(names.size(), count), std::make_pair(size_t{0}, 0));
    }
}

TEST_F(RegistryKeys, AssociationWritesEachKeyUnderBothRootsAndLeavesTheLastLocation) {
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
        {cls + "\\shell\\print", std::nullopt},
        {cls + "\\shell\\new", std::nullopt},
    };
    for (const auto& [sub, value] : keys) EXPECT_EQ(classValue(sub), value) << sub;
    EXPECT_EQ(std::make_tuple(r.ClassKey(), r.SectionKey(), r.ValueKey(), r.ValueType()),
              std::make_tuple(HKEY_LOCAL_MACHINE_ID, wide(cls + "\\DefaultIcon"), std::wstring(), 1));
    // Blanks go and a quoted path is not quoted again; print gets its default text; no icon below 0.
    TearDown();
    r.CreateEXEAssociation(L" \"C:\\x.exe\" ", wide(cls), L"", wide(ext), L"", true, L"", false, L"", false, L"", -1);
    EXPECT_EQ(classValue(cls + "\\shell\\print\\command"), sz("\"C:\\x.exe\" /p \"%1\""));
    EXPECT_EQ(classValue(cls + "\\shell\\print"), sz("&Print"));
    EXPECT_FALSE(classValue(cls + "\\DefaultIcon"));
}

TEST_F(RegistryKeys, AdditionalVerbsNeedTriplesAndTheClassAtTheCurrentRoot) {
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
    EXPECT_FALSE(classValue(cls + "\\shell\\bad"));
    EXPECT_EQ(classValue(cls + "\\shell\\view\\command"), sz("5"));
}
