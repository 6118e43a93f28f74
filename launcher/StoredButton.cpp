#include "launcher/StoredButton.h"

#include <memory>
#include <utility>

#include "resources/ResourceIds.h"
#include "runtime/RuntimeError.h"
#include "runtime/StdFont.h"
#include "runtime/StdPicture.h"

namespace StoredButton {
namespace {

// What every button stores alike.
const std::pair<const wchar_t*, rt::Variant> kCommon[] = {
    {L"btype", rt::Variant(int32_t{9})},
    {L"enab", rt::Variant(true)},
    {L"coltype", rt::Variant(int32_t{1})},
    {L"focusr", rt::Variant(true)},
    {L"bcol", rt::Variant(int32_t{0xFFFFFF})},
    {L"bcolo", rt::Variant(int32_t{0xFFFFFF})},
    {L"mptr", rt::Variant(int16_t{1})},
    {L"umcol", rt::Variant(true)},
    {L"soft", rt::Variant(false)},
    {L"picpos", rt::Variant(int32_t{0})},
    {L"ngrey", rt::Variant(false)},
    {L"fx", rt::Variant(int32_t{0})},
    {L"hand", rt::Variant(false)},
    {L"check", rt::Variant(false)},
    {L"value", rt::Variant(false)},
};

constexpr int32_t kButtonText = static_cast<int32_t>(0x80000012u);  // the system's button text colour
constexpr int32_t kSilver = 0xC0C0C0, kWhite = 0xFFFFFF;

// What differs; the container's size keys ("_extentx", "_extenty") are HIMETRIC.
struct Button {
    const wchar_t* name;
    const wchar_t* caption;
    int picture;  // the 16 x 16 icon beside the caption
    int32_t foreColor, maskColor;
    int32_t extentX, extentY;
};

const Button kButtons[] = {
    {L"cmdPublicIp", L"Get &public ip", IDI_REFRESH, kButtonText, kWhite, 3413, 661},
    {L"cmdHamachiIp", L"Get &Hamachi ip", IDI_REFRESH, 0, kSilver, 3413, 661},
    {L"cmdStart", L"&Start game...", IDI_PLAY, 0, kSilver, 2990, 661},
    {L"cmdExit", L"&Exit", IDI_CROSS, 0, kSilver, 2990, 661},
    {L"cmdOk", L"&Ok", IDI_TICK, 0, kSilver, 1931, 661},
    {L"cmdCancel", L"&Cancel", IDI_CROSS, 0, kSilver, 1931, 661},
};

const Button& buttonNamed(const std::wstring& name) {
    for (const Button& b : kButtons)
        if (name == b.name) return b;
    rt::raiseStandard(rt::errSubscript);
}

}  // namespace

rt::PropertyBag bag(const std::wstring& name) {
    const Button& button = buttonNamed(name);
    rt::PropertyBag b;
    for (const auto& [key, value] : kCommon) b.WriteProperty(key, value);
    b.WriteProperty(L"tx", rt::Variant(button.caption));
    b.WriteProperty(L"font", std::make_shared<rt::StdFont>(L"Arial", 8.25));
    b.WriteProperty(L"fcol", rt::Variant(button.foreColor));
    b.WriteProperty(L"fcolo", rt::Variant(button.foreColor));
    b.WriteProperty(L"mcol", rt::Variant(button.maskColor));
    b.WriteProperty(L"micon", rt::PictureRef());
    b.WriteProperty(L"picn", rt::StdPicture::fromIconResource(button.picture, 16, 8));
    b.WriteProperty(L"pich", rt::PictureRef());
    b.WriteProperty(L"_extentx", rt::Variant(button.extentX));
    b.WriteProperty(L"_extenty", rt::Variant(button.extentY));
    return b;
}

}  // namespace StoredButton
