#pragma once
// Candidate IP addresses for the player: the network adapters' first IPv4
// addresses, and the address in the Hamachi client's ini file. Nothing here
// traces or handles errors; a failure to read the ini file reaches the caller.
#include <cstdint>
#include <string>

struct _IP_ADAPTER_INFO;

namespace modFunctions {

// The platform's adapter query, GetAdaptersInfo, or one in its place.
using AdaptersQuery = unsigned long(__stdcall*)(::_IP_ADAPTER_INFO* adapters, unsigned long* size);
extern const AdaptersQuery kGetAdaptersInfo;

// The first IPv4 address of each adapter, in the platform's order, joined by
// sDelimiter; "" when there is no adapter or the query fails. Entries are
// neither checked nor normalised (an adapter without one gives 0.0.0.0).
// When adapters come between asking the size and reading, the read is asked
// again with the size the query gives, a few times.
std::wstring getAdapterIps(const std::wstring& sDelimiter, AdaptersQuery query = kGetAdaptersInfo);

// The address to propose: the only valid adapter address, or the one the
// user picks in the IP selection dialog when there are several; "" when
// there is none or the user cancelled.
std::wstring selectAdapterIp();

// Line lLine of "Hamachi\Hamachi.ini" in the application-data folder, kept
// to its digits, "." and "," and cut at the first ","; "" when the file is
// missing or shorter.
std::wstring readHamachiIpLine(int32_t lLine);

// The filtered line 2 of the Hamachi ini file when it is a valid address,
// else line 10 when that is; else "". The text is returned as read, not in
// normal form.
std::wstring getHamachiIp();

// `s` up to its first NUL character.
std::wstring trimNull(const std::wstring& s);

}  // namespace modFunctions
