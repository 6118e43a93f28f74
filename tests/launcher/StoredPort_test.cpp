// tarnwicket.exe started over a stored port text it cannot read: it starts,
// shows its window and loads the options after it.
// ctest-serial
#include <gtest/gtest.h>

#include "common/LauncherFixture.h"

using namespace testenv;

namespace {

struct StoredPort : LauncherTest {};

}  // namespace

// A pasted port text with two "%" is stored for expansion; past what the
// system expands whole it reads as no port.
TEST_F(StoredPort, TooLongToExpandReadsAsNoPort) {
    const std::string ports[] = {"%" + std::string(39998, '9') + "%", std::string(32767, '%')};
    for (const std::string& port : ports) {
        regStore(HKEY_CURRENT_USER, kSettingsKey, "OverridePortValue", {REG_EXPAND_SZ, port + '\0'});
        regStore(HKEY_CURRENT_USER, kSettingsKey, "DirectIpConnectivity", sz("False"));
        start({"-"});
        EXPECT_EQ(textOf(at(kPortBox)), L"") << port.size();
        EXPECT_EQ(SendMessageW(at(kDirectIp), BM_GETCHECK, 0, 0), BST_UNCHECKED) << port.size();
        app.reset();
    }
}
