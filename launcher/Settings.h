#pragma once
// The launcher's five options in the settings key (text values under the
// shared registry object's default location), and their restore and save
// through the main window's controls.
#include <optional>
#include <string>

#include "runtime/Variant.h"

class TracedProcedure;

namespace modFunctions {

// The stored value when it is not empty; else `defaultValue` when given;
// else "". Never raises: a failing read counts as missing.
rt::Variant readSetting(const std::wstring& name, const std::optional<rt::Variant>& defaultValue = std::nullopt);

// Stores `text` as REG_SZ; the registry object's errors reach the caller.
void writeSetting(const std::wstring& name, const std::wstring& text);

// A stored option as True/False: "True"/"False" in any letter case, or a
// number (0 is False). Anything else raises 13 (type mismatch).
bool settingIsTrue(const rt::Variant& stored);

// The four option check boxes.
enum class OptionBox { NoSound, NoIntro, OverridePort, DirectIpConnectivity };

// What the main window offers for its options: the check boxes (values
// 0 unchecked, 1 checked, 2 greyed) and the port box.
class OptionControls {
public:
    virtual ~OptionControls() = default;
    virtual int checkValue(OptionBox box) = 0;
    virtual void setCheckValue(OptionBox box, int value) = 0;
    virtual std::wstring overridePortText() = 0;
    virtual void setOverridePortText(const std::wstring& text) = 0;
    // The window's reaction to a click of the OverridePort box.
    virtual void overridePortClicked() = 0;
    // The window takes its remembered port text from the port box.
    virtual void rememberOverridePort() = 0;
};

// Restores the five options in order, each statement a step of the
// caller's traced procedure: an option that cannot be read as True/False
// is traced and its box keeps its state, and the next option still loads.
void restoreOptions(OptionControls& controls, TracedProcedure& p);

// Saves the five options in order ("True" only for a checked box; the port
// text whatever the OverridePort box says), each write a traced step.
void saveOptions(OptionControls& controls, TracedProcedure& p);

}  // namespace modFunctions
