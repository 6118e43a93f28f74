#pragma once
// The launcher's rule for an IPv4 address written as text, and the key
// filter of the address box.
#include <cstdint>
#include <string>

namespace modIpCheck {

// True when `sIP` is an accepted address; it is then rewritten in normal
// form (010.001.002.003 becomes 10.1.2.3). On False `sIP` is unchanged.
bool isValidIp(std::wstring& sIP);

// Keeps digits, ".", Backspace and Enter, turns "," into "." and drops
// every other key (KeyAscii becomes 0).
void filterIpKey(int16_t& KeyAscii);

}  // namespace modIpCheck
