// tarnwicket.exe started over a stored port text it cannot read: it starts,
// shows its window and loads the options after it.
// ctest-serial
#include <gtest/gtest.h>

#include "common/LauncherFixture.h"

using namespace testenv;

namespace {

struct StoredPort : LauncherTest {};

}  // namespace

// A pasted port text with two "%" is stored for expansion; one longer than
// the system expands reads as no port.
TEST_F(StoredPort, TooLongToExpandReadsAsNoPort) {
    std::string port(40000, '9');
    port.front() = port.back() = '%';
    regStore(HKEY_CURRENT_USER, kSettingsKey, "OverridePortValue", {REG_EXPAND_SZ, port + '\0'});
    regStore(HKEY_CURRENT_USER, kSettingsKey, "DirectIpConnectivity", sz("False"));
    start({"-"});
    EXPECT_EQ(textOf(at(kPortBox)), L"");
    EXPECT_EQ(SendMessageW(at(kDirectIp), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}
