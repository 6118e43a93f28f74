#include "launcher/StoredButton.h"

#include <gtest/gtest.h>

#include "button/skinButton.h"
#include "common/ControlHost.h"

namespace {

bool sameValue(const rt::PropertyBag::Value& a, const rt::PropertyBag::Value& b) {
    if (a.index() != b.index()) return false;
    if (auto* v = std::get_if<rt::Variant>(&a)) return *v == std::get<rt::Variant>(b);
    if (auto* f = std::get_if<rt::FontRef>(&a)) return **f == *std::get<rt::FontRef>(b);
    return std::get<rt::PictureRef>(a) == std::get<rt::PictureRef>(b);
}

}  // namespace

// Every key the button keeps is stored under a name it reads (any case), so
// what it saves after loading is what the window stores.
TEST(StoredButton, EachOfTheSixLoadsAndSavesItsStoredValues) {
    testenv::ControlHost host;
    for (const wchar_t* name : {L"cmdPublicIp", L"cmdHamachiIp", L"cmdStart", L"cmdExit", L"cmdOk", L"cmdCancel"}) {
        rt::PropertyBag stored = StoredButton::bag(name), saved;
        button::skinButton b;
        b.place(host.container(), name, {10, 10, 110, 35}, &stored);
        b.save(saved);
        for (const auto& [key, value] : saved.entries()) {
            auto match = std::find_if(stored.entries().begin(), stored.entries().end(),
                                      [&](auto& e) { return _wcsicmp(e.key.c_str(), key.c_str()) == 0; });
            ASSERT_NE(match, stored.entries().end()) << testing::PrintToString(std::wstring(name) + L" " + key);
            EXPECT_TRUE(sameValue(match->value, value)) << testing::PrintToString(std::wstring(name) + L" " + key);
        }
        EXPECT_EQ(stored.entries().size(), saved.entries().size() + 2);  // and the container's two size keys
        b.terminate();
    }
}
