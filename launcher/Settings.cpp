#include "launcher/Settings.h"

#include <windows.h>

#include "launcher/modMain.h"
#include "support/TracedProcedure.h"
#include "support/cRegistry.h"

namespace modFunctions {
namespace {

// Runs one statement and carries on whatever it raises.
template <typename Statement>
void ignoringErrors(Statement&& statement) {
    try {
        statement();
    } catch (const std::exception&) {
    }
}

void pointAt(cRegistry& reg, const std::wstring& name) {
    reg.ClassKey(reg.DefaultClassKey());
    reg.SectionKey(reg.DefaultSectionKey());
    reg.ValueKey(name);
    reg.ValueType(REG_SZ);
}

struct BoxOption {
    OptionBox box;
    const wchar_t* name;
    const wchar_t* defaultText;
};

constexpr BoxOption kNoSound{OptionBox::NoSound, L"NoSound", L"False"};
constexpr BoxOption kNoIntro{OptionBox::NoIntro, L"NoIntro", L"True"};
constexpr BoxOption kOverridePort{OptionBox::OverridePort, L"OverridePort", L"False"};
constexpr BoxOption kDirectIp{OptionBox::DirectIpConnectivity, L"DirectIpConnectivity", L"True"};
constexpr wchar_t kPortValue[] = L"OverridePortValue";

void restoreBox(OptionControls& controls, const BoxOption& option) {
    bool checked = settingIsTrue(readSetting(option.name, rt::Variant(option.defaultText)));
    controls.setCheckValue(option.box, checked ? 1 : 0);
}

// Only a checked box (1) is "True"; a greyed one (2) counts as not checked.
void saveBox(OptionControls& controls, const BoxOption& option) {
    writeSetting(option.name, controls.checkValue(option.box) == 1 ? L"True" : L"False");
}

}  // namespace

rt::Variant readSetting(const std::wstring& name, const std::optional<rt::Variant>& defaultValue) {
    cRegistry& reg = modMain::oRegistry();
    ignoringErrors([&] { pointAt(reg, name); });
    rt::Variant stored;
    ignoringErrors([&] { stored = reg.Value(); });
    // A comparison that fails counts as "not empty": execution resumes inside
    // the test's branch, as the runtime's resume-next does.
    bool present = true;
    ignoringErrors([&] { present = !(stored == rt::Variant(L"")); });
    if (present) {
        rt::Variant again;
        ignoringErrors([&] { again = reg.Value(); });
        return again;
    }
    return defaultValue ? *defaultValue : rt::Variant(L"");
}

void writeSetting(const std::wstring& name, const std::wstring& text) {
    cRegistry& reg = modMain::oRegistry();
    pointAt(reg, name);
    reg.Value(rt::Variant(text));
}

bool settingIsTrue(const rt::Variant& stored) { return stored.toBool(); }

void restoreOptions(OptionControls& controls, TracedProcedure& p) {
    p.step([&] { restoreBox(controls, kNoSound); });
    p.step([&] { restoreBox(controls, kNoIntro); });
    p.step([&] { restoreBox(controls, kOverridePort); });
    p.step([&] { controls.overridePortClicked(); });
    p.step([&] { controls.setOverridePortText(readSetting(kPortValue).toString()); });
    p.step([&] { controls.rememberOverridePort(); });
    p.step([&] { restoreBox(controls, kDirectIp); });
}

void saveOptions(OptionControls& controls, TracedProcedure& p) {
    p.step([&] { saveBox(controls, kNoSound); });
    p.step([&] { saveBox(controls, kNoIntro); });
    p.step([&] { saveBox(controls, kOverridePort); });
    p.step([&] { writeSetting(kPortValue, controls.overridePortText()); });
    p.step([&] { saveBox(controls, kDirectIp); });
}

}  // namespace modFunctions
