#pragma once
// The registry access object: a current location (root, key path, value
// name), a value type, a fall-back Default and a default location. Each
// operation opens and closes the keys it needs; nothing stays open.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Variant.h"

// Registry roots as the program stores them.
constexpr int32_t HKEY_CLASSES_ROOT_ID = static_cast<int32_t>(0x80000000u);
constexpr int32_t HKEY_CURRENT_USER_ID = static_cast<int32_t>(0x80000001u);
constexpr int32_t HKEY_LOCAL_MACHINE_ID = static_cast<int32_t>(0x80000002u);

class cRegistry {
public:
    // The object's own error numbers.
    static constexpr int32_t errSetValue = static_cast<int32_t>(0x800469A9u);
    static constexpr int32_t errRegistry = 26001;
    static constexpr int32_t errEnumerate = static_cast<int32_t>(0x800469AAu);
    static constexpr int32_t errAssociationItems = static_cast<int32_t>(0x800469ACu);
    static constexpr int32_t errNoClass = static_cast<int32_t>(0x800469ADu);

    int32_t ClassKey() const { return classKey_; }
    void ClassKey(int32_t eKey) { classKey_ = eKey; }
    const std::wstring& SectionKey() const { return sectionKey_; }
    void SectionKey(const std::wstring& s) { sectionKey_ = s; }
    const std::wstring& ValueKey() const { return valueKey_; }
    void ValueKey(const std::wstring& s) { valueKey_ = s; }
    int32_t ValueType() const { return valueType_; }
    void ValueType(int32_t t) { valueType_ = t; }
    rt::Variant Default() const { return default_; }
    void Default(const rt::Variant& v) { default_ = v; }
    int32_t DefaultClassKey() const { return defaultClassKey_; }
    void DefaultClassKey(int32_t v) { defaultClassKey_ = v; }
    const std::wstring& DefaultSectionKey() const { return defaultSectionKey_; }
    void DefaultSectionKey(const std::wstring& v) { defaultSectionKey_ = v; }

    // True when the current key can be opened for reading values; never raises.
    bool KeyExists() const;

    // Creates the current key (True), or raises 26001.
    bool CreateKey() const;
    // Deletes the current key, which must have no subkeys (True), or raises 26001.
    bool DeleteKey() const;
    // Deletes the value ValueKey of the current key (True), or raises 26001.
    bool DeleteValue() const;
    // The names of the current key's subkeys and of its values (the default
    // value as ""), in the registry's order (the first at index 0), and their
    // count. A key that cannot be opened lists nothing; both return True.
    bool EnumerateSections(std::vector<std::wstring>& sSect, int32_t& iSectCount) const;
    bool EnumerateValues(std::vector<std::wstring>& sKeyNames, int32_t& iKeyCount) const;

    // Registers a file type: extension, class, description, the verbs open
    // (always), print, install and new, and the icon (index above -1), each
    // value under HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE\SOFTWARE\Classes.
    // A class name or extension that is empty, holds "\" or names nothing (the
    // code page does not hold it, or it holds a NUL) raises 5 before anything
    // is written; the first failing write raises; the location is left where
    // the last write put it.
    void CreateEXEAssociation(const std::wstring& sExePath, const std::wstring& sClassName,
                              const std::wstring& sClassDescription, const std::wstring& sAssociation,
                              const std::wstring& sOpenMenuText, bool bSupportPrint, const std::wstring& sPrintMenuText,
                              bool bSupportNew, const std::wstring& sNewMenuText, bool bSupportInstall,
                              const std::wstring& sInstallMenuText, int32_t lDefaultIconIndex);
    // Adds verbs to a class that exists at the current ClassKey, from the
    // items read as triples Name, Text, Command; failed writes are skipped,
    // and so is a triple whose name is empty or holds "\".
    void CreateAdditionalEXEAssociations(const std::wstring& sClassName, const rt::VariantList& vItems = {});

    // Reads the value at the current location by its stored type (Default when
    // there is none); a successful read sets ValueType to the stored type. A
    // text reads up to its first NUL, a list of texts keeps the NULs between
    // them, a byte array holds exactly the stored bytes. An expansion the
    // system cannot make whole raises 5.
    rt::Variant Value();
    // Writes by ValueType, creating the key when missing; a value name that
    // names nothing is refused before the key is created.
    void Value(const rt::Variant& vValue);

    // Read or write at the default location through a temporary instance.
    rt::Variant readKey(const std::wstring& valueKey, int32_t valueType = 0) const;
    rt::Variant writeKey(const std::wstring& valueKey, const std::wstring& value, int32_t valueType = 0) const;

private:
    // Writes `text` as the current value under both class roots.
    void WriteClassesValue(const std::wstring& text);
    // The menu text and command line of one verb of the class; with
    // `ignoreErrors` a failed write does not stop the next.
    void writeVerb(const std::wstring& sClassName, const std::wstring& verb, const std::optional<std::wstring>& menuText,
                   const std::optional<std::wstring>& command, bool ignoreErrors);

    int32_t classKey_ = 0;
    std::wstring sectionKey_;
    std::wstring valueKey_;
    rt::Variant default_;
    int32_t valueType_ = 0;
    int32_t defaultClassKey_ = 0;
    std::wstring defaultSectionKey_;
};
