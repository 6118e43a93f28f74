// The registry object's file associations: each value is written under
// HKEY_CLASSES_ROOT and again under HKEY_LOCAL_MACHINE\SOFTWARE\Classes.
#include <windows.h>

#include <optional>

#include "runtime/Ansi.h"
#include "runtime/RuntimeError.h"
#include "support/RegistryKeys.h"
#include "support/cRegistry.h"

namespace {

// An item as text; none when it cannot be one (Null, an array, an object).
std::optional<std::wstring> textOf(const rt::Variant& item) {
    try {
        return item.toString();
    } catch (const rt::RuntimeError&) {
        return std::nullopt;
    }
}

std::wstring trimBlanks(const std::wstring& s) {
    size_t first = s.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return s.substr(first, s.find_last_not_of(L' ') - first + 1);
}

// The executable's path in double quotes, not quoted twice.
std::wstring quotedPath(const std::wstring& sExePath) {
    std::wstring exe = trimBlanks(sExePath);
    if (exe.empty() || exe.front() != L'"') exe.insert(0, 1, L'"');
    if (exe.back() != L'"') exe += L'"';
    return exe;
}

std::wstring orDefault(const std::wstring& text, const std::wstring& fallback) {
    return text.empty() ? fallback : text;
}

// A name that stays one key: not empty and without "\", which would put its
// writes in another key (the class's own default verb, its open command, the
// root of the classes).
bool isOneKeyName(const std::wstring& name) { return !name.empty() && name.find(L'\\') == std::wstring::npos; }

rt::RuntimeError associationError(int32_t number, const wchar_t* description) {
    return rt::RuntimeError(number, RegistryKeys::registrySource(), description);
}

}  // namespace

void cRegistry::WriteClassesValue(const std::wstring& text) {
    classKey_ = HKEY_CLASSES_ROOT_ID;
    Value(text);
    std::wstring s = sectionKey_;
    classKey_ = HKEY_LOCAL_MACHINE_ID;
    sectionKey_ = L"SOFTWARE\\Classes\\" + s;
    Value(text);
    sectionKey_ = s;
}

void cRegistry::writeVerb(const std::wstring& sClassName, const std::wstring& verb,
                          const std::optional<std::wstring>& menuText, const std::optional<std::wstring>& command,
                          bool ignoreErrors) {
    const std::wstring key = sClassName + L"\\shell\\" + verb;
    auto write = [&](const std::wstring& section, const std::optional<std::wstring>& text) {
        if (!text) return;
        try {
            valueType_ = REG_SZ;
            sectionKey_ = section;
            valueKey_.clear();
            WriteClassesValue(*text);
        } catch (const rt::RuntimeError&) {
            if (!ignoreErrors) throw;
        }
    };
    write(key, menuText);
    write(key + L"\\command", command);
}

void cRegistry::CreateEXEAssociation(const std::wstring& sExePath, const std::wstring& sClassName,
                                     const std::wstring& sClassDescription, const std::wstring& sAssociation,
                                     const std::wstring& sOpenMenuText, bool bSupportPrint,
                                     const std::wstring& sPrintMenuText, bool bSupportNew,
                                     const std::wstring& sNewMenuText, bool bSupportInstall,
                                     const std::wstring& sInstallMenuText, int32_t lDefaultIconIndex) {
    // The class name is also written as the extension's value: one that names
    // nothing (the code page does not hold it, or it holds a NUL) would send
    // the extension to another class.
    if (!isOneKeyName(sClassName) || !isOneKeyName(sAssociation) || !rt::toAnsiName(sClassName) ||
        !rt::toAnsiName(sAssociation))
        rt::raiseStandard(rt::errInvalidCall);
    const std::wstring exe = quotedPath(sExePath);
    sectionKey_ = L"." + sAssociation;
    valueType_ = REG_SZ;
    valueKey_.clear();
    WriteClassesValue(sClassName);
    sectionKey_ = sClassName;
    WriteClassesValue(sClassDescription);
    writeVerb(sClassName, L"open", orDefault(sOpenMenuText, L"&Open"), exe + L" \"%1\"", false);
    if (bSupportPrint)
        writeVerb(sClassName, L"print", orDefault(sPrintMenuText, L"&Print"), exe + L" /p \"%1\"", false);
    if (bSupportInstall)
        writeVerb(sClassName, L"add", orDefault(sInstallMenuText, L"&Install " + sAssociation), exe + L" /a \"%1\"",
                  false);
    if (bSupportNew) writeVerb(sClassName, L"new", orDefault(sNewMenuText, L"&New"), exe + L" /n \"%1\"", false);
    if (lDefaultIconIndex > -1) {
        sectionKey_ = sClassName + L"\\DefaultIcon";
        valueKey_.clear();
        WriteClassesValue(exe + L"," + std::to_wstring(lDefaultIconIndex));
    }
}

void cRegistry::CreateAdditionalEXEAssociations(const std::wstring& sClassName, const rt::VariantList& vItems) {
    if (vItems.size() % 3 != 0)
        throw associationError(errAssociationItems,
                               L"Invalid parameter list passed to CreateAdditionalEXEAssociations - expected "
                               L"Name/Text/Command");
    sectionKey_ = sClassName;
    if (!KeyExists())
        throw associationError(errNoClass, L"Error - attempt to create additional associations before class defined.");
    for (size_t i = 0; i < vItems.size(); i += 3) {
        // A verb name that is not text, or not one key name, would put its
        // writes at the wrong key: its triple is skipped; a menu text or
        // command that is not text is skipped alone.
        std::optional<std::wstring> name = textOf(vItems[i]);
        if (name && isOneKeyName(*name))
            writeVerb(sClassName, *name, textOf(vItems[i + 1]), textOf(vItems[i + 2]), true);
    }
}
