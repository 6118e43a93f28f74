#include "runtime/SendKeys.h"

#include <windows.h>

#include <vector>

namespace rt {
namespace {

struct NamedKey {
    const wchar_t* name;
    WORD vk;
};

// The keys the program sends.
const NamedKey kNamedKeys[] = {{L"TAB", VK_TAB}};

WORD namedKey(const std::wstring& name) {
    for (const auto& k : kNamedKeys)
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, k.name, -1, name.c_str(), -1) == CSTR_EQUAL)
            return k.vk;
    return 0;
}

// One key with the modifiers pressed around it.
void press(std::vector<INPUT>& out, std::vector<WORD>& modifiers, WORD vk) {
    for (WORD m : modifiers) out.push_back(keyInput(m, false));
    out.push_back(keyInput(vk, false));
    out.push_back(keyInput(vk, true));
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) out.push_back(keyInput(*m, true));
    modifiers.clear();
}

}  // namespace

INPUT keyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

void SendKeys(const std::wstring& keys) {
    std::vector<INPUT> inputs;
    std::vector<WORD> modifiers;
    for (size_t i = 0; i < keys.size(); ++i) {
        wchar_t ch = keys[i];
        if (ch == L'+') { modifiers.push_back(VK_SHIFT); continue; }
        if (ch == L'^') { modifiers.push_back(VK_CONTROL); continue; }
        if (ch == L'%') { modifiers.push_back(VK_MENU); continue; }
        if (ch == L'{') {
            size_t end = keys.find(L'}', i + 1);
            if (end == std::wstring::npos) break;
            WORD vk = namedKey(keys.substr(i + 1, end - i - 1));
            i = end;
            if (vk) press(inputs, modifiers, vk);
        }
    }
    if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace rt
