#pragma once
// A font object: name, fractional point size and attributes, realised as a
// GDI font when something draws with it.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/Handles.h"

namespace rt {

class StdFont {
public:
    StdFont() = default;
    StdFont(std::wstring name, double size, bool bold = false);
    // A separate object with the same attributes (controls keep their own).
    std::shared_ptr<StdFont> clone() const;

    const std::wstring& name() const { return name_; }
    double size() const { return size_; }
    bool bold() const { return bold_; }
    bool italic() const { return italic_; }
    bool underline() const { return underline_; }
    bool strikethrough() const { return strikethrough_; }

    void setName(std::wstring name);
    void setSize(double points);
    void setBold(bool on);
    void setItalic(bool on);
    void setUnderline(bool on);
    void setStrikethrough(bool on);

    // Counts changes, so that a holder notices when to realise it again.
    uint32_t version() const { return version_; }
    // The GDI font for the current attributes (owned by this object).
    HFONT handle() const;

    bool operator==(const StdFont& o) const;

private:
    void changed() { ++version_; }

    std::wstring name_ = L"MS Sans Serif";
    double size_ = 8.25;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    uint32_t version_ = 0;
    mutable unique_hfont font_;
    mutable uint32_t fontVersion_ = 0;
};

using FontRef = std::shared_ptr<StdFont>;

}  // namespace rt
