#include "launcher/StoredButton.h"

#include <gtest/gtest.h>

#include "button/skinButton.h"
#include "common/ControlHost.h"

// Each button keeps every value stored for it under a key it reads (any
// case): what it saves after loading is what the window stores.
TEST(StoredButton, EachOfTheSixLoadsAndSavesItsStoredValues) {
    testenv::ControlHost host;
    for (const wchar_t* name : {L"cmdPublicIp", L"cmdHamachiIp", L"cmdStart", L"cmdExit", L"cmdOk", L"cmdCancel"}) {
        rt::PropertyBag stored = StoredButton::bag(name), saved;
        button::skinButton b;
        b.place(host.container(), name, {10, 10, 110, 35}, &stored);
        b.save(saved);
        EXPECT_EQ(stored.entries().size(), saved.entries().size() + 2);  // and the container's two size keys
        for (const auto& [key, value] : saved.entries()) {
            std::wstring what = std::wstring(name) + L" " + key;
            ASSERT_TRUE(stored.contains(key)) << testing::PrintToString(what);
            if (auto* v = std::get_if<rt::Variant>(&value))
                EXPECT_EQ(stored.ReadProperty(key, {}), *v) << testing::PrintToString(what);
            else if (auto* font = std::get_if<rt::FontRef>(&value))
                EXPECT_TRUE(*stored.ReadFont(key, nullptr) == **font) << testing::PrintToString(what);
            else
                EXPECT_EQ(stored.ReadPicture(key, nullptr), std::get<rt::PictureRef>(value));
        }
        b.terminate();
    }
}
