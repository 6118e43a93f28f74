#include "runtime/StdFont.h"

#include <cwchar>

#include "runtime/ScaleUnits.h"

namespace rt {

StdFont::StdFont(std::wstring name, double size, bool bold) : name_(std::move(name)), size_(size), bold_(bold) {}

std::shared_ptr<StdFont> StdFont::clone() const {
    auto copy = std::make_shared<StdFont>(name_, size_, bold_);
    copy->italic_ = italic_;
    copy->underline_ = underline_;
    copy->strikethrough_ = strikethrough_;
    return copy;
}

void StdFont::setName(std::wstring name) { name_ = std::move(name); changed(); }
void StdFont::setSize(double points) { size_ = points; changed(); }
void StdFont::setBold(bool on) { bold_ = on; changed(); }
void StdFont::setItalic(bool on) { italic_ = on; changed(); }
void StdFont::setUnderline(bool on) { underline_ = on; changed(); }
void StdFont::setStrikethrough(bool on) { strikethrough_ = on; changed(); }

HFONT StdFont::handle() const {
    if (font_ && fontVersion_ == version_) return font_.get();
    LOGFONTW lf{};
    int dpi = screenPixelsPerInch(LOGPIXELSY);
    lf.lfHeight = -static_cast<LONG>(size_ * dpi / 72.0 + 0.5);
    lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic_;
    lf.lfUnderline = underline_;
    lf.lfStrikeOut = strikethrough_;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    font_.reset(CreateFontIndirectW(&lf));
    fontVersion_ = version_;
    return font_.get();
}

bool StdFont::operator==(const StdFont& o) const {
    return name_ == o.name_ && size_ == o.size_ && bold_ == o.bold_ && italic_ == o.italic_ &&
           underline_ == o.underline_ && strikethrough_ == o.strikethrough_;
}

}  // namespace rt
