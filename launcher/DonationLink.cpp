#include "launcher/DonationLink.h"

#include "launcher/modMain.h"

namespace modFunctions {
namespace {

constexpr wchar_t kDonatePage[] = L"https://www.mornveldt.net/tarnwicket/donate.html";

}  // namespace

std::wstring getDonateUrl() { return kDonatePage + (L"?version=" + modMain::versionText() + L"&donate=1"); }

}  // namespace modFunctions
