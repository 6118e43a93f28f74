#include "launcher/IpDiscovery.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <string_view>
#include <vector>

#include "launcher/frmSelect.h"
#include "launcher/modMain.h"
#include "runtime/Ansi.h"
#include "support/cPathExt.h"
#include "support/cTextFiles.h"
#include "support/modIpCheck.h"

namespace modFunctions {
namespace {

constexpr int32_t kAppData = 26;  // CSIDL_APPDATA
constexpr wchar_t kHamachiIni[] = L"Hamachi\\Hamachi.ini";
// The first read of the adapters and the reads after a buffer that an
// adapter arriving meanwhile made too small.
constexpr int kAdapterReads = 4;

// The adapter's first address, as the record holds it.
std::wstring firstAddressOf(const IP_ADAPTER_INFO& adapter) {
    const auto& text = adapter.IpAddressList.IpAddress.String;
    return trimNull(rt::fromAnsi(std::string_view(text, sizeof text)));
}

bool isIpCharacter(wchar_t c) { return (c >= L'0' && c <= L'9') || c == L'.' || c == L','; }

// Digits, "." and "," in their order, up to the first ",".
std::wstring ipPartOf(const std::wstring& line) {
    std::wstring kept;
    for (wchar_t c : line)
        if (isIpCharacter(c)) kept += c;
    return kept.substr(0, kept.find(L','));
}

bool passesIpCheck(std::wstring text) { return modIpCheck::isValidIp(text); }

}  // namespace

const AdaptersQuery kGetAdaptersInfo = &GetAdaptersInfo;

std::wstring getAdapterIps(const std::wstring& sDelimiter, AdaptersQuery query) {
    ULONG size = 0;
    query(nullptr, &size);
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int read = 0; read < kAdapterReads && result == ERROR_BUFFER_OVERFLOW && size > 0; ++read) {
        buffer.assign(size, 0);
        result = query(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size);
    }
    if (result != NO_ERROR) return {};
    const auto* first = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data());
    std::wstring list;
    for (const IP_ADAPTER_INFO* adapter = first; adapter; adapter = adapter->Next)
        list += firstAddressOf(*adapter) + sDelimiter;
    if (!list.empty()) list.erase(list.size() - sDelimiter.size());
    return list;
}

std::wstring selectAdapterIp() {
    std::wstring list = getAdapterIps(L"|"), delimiter = L"|";
    return frmSelect::instance().getIP(list, delimiter);  // "" when cancelled
}

std::wstring readHamachiIpLine(int32_t lLine) {
    cPathExt& paths = modMain::oPathExt();
    std::wstring file = paths.normalizePath(paths.getSpecialPath(kAppData)) + kHamachiIni;
    if (!paths.fileExists(file)) return {};
    return ipPartOf(modMain::oTextFiles().readLine(file, lLine));
}

std::wstring getHamachiIp() {
    for (int32_t line : {2, 10}) {
        std::wstring text = readHamachiIpLine(line);
        if (passesIpCheck(text)) return text;
    }
    return {};
}

std::wstring trimNull(const std::wstring& s) { return s.substr(0, s.find(L'\0')); }

}  // namespace modFunctions
