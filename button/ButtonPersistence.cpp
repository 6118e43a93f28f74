#include "button/ButtonPersistence.h"

#include "button/skinButton.h"

namespace button {
namespace {

int32_t readLong(const rt::PropertyBag& bag, const wchar_t* key, int32_t def) {
    return bag.ReadProperty(key, rt::Variant(def)).toLong();
}

bool readBool(const rt::PropertyBag& bag, const wchar_t* key, bool def) {
    return bag.ReadProperty(key, rt::Variant(def)).toBool();
}

// The bag keeps a font of its own: later changes of the button's font must
// not reach a form already saved.
rt::FontRef fontCopy(const rt::FontRef& font) { return font ? font->clone() : nullptr; }

int32_t sysColor(int index) { return static_cast<int32_t>(GetSysColor(index)); }

}  // namespace

void ButtonPersistence::read(skinButton& b, rt::PropertyBag& bag) {
    ButtonState& s = b.s_;
    s.ButtonType = readLong(bag, L"BTYPE", 2);
    s.Caption = bag.ReadProperty(L"TX", rt::Variant(L"")).toString();
    s.Enabled = readBool(bag, L"ENAB", true);
    b.setFont(bag.ReadFont(L"FONT", b.UserControl::Font()));
    s.ColorScheme = readLong(bag, L"COLTYPE", 1);
    s.ShowFocusRect = readBool(bag, L"FOCUSR", true);
    s.BackColor = readLong(bag, L"BCOL", sysColor(COLOR_BTNFACE));
    s.BackOver = readLong(bag, L"BCOLO", s.BackColor);
    s.ForeColor = readLong(bag, L"FCOL", sysColor(COLOR_BTNTEXT));
    s.ForeOver = readLong(bag, L"FCOLO", s.ForeColor);
    s.MaskColor = readLong(bag, L"MCOL", 0xC0C0C0);
    b.setMousePointer(bag.ReadProperty(L"MPTR", rt::Variant(int16_t(0))).toInteger());
    b.setMouseIcon(bag.ReadPicture(L"MICON", nullptr));
    s.PictureNormal = bag.ReadPicture(L"PICN", nullptr);
    s.PictureOver = bag.ReadPicture(L"PICH", nullptr);
    s.UseMaskColor = readBool(bag, L"UMCOL", true);
    s.SoftBevel = readBool(bag, L"SOFT", false);
    s.PicturePosition = readLong(bag, L"PICPOS", 0);
    s.UseGreyscale = readBool(bag, L"NGREY", false);
    s.SpecialEffect = readLong(bag, L"FX", 0);
    b.HandPointer(readBool(bag, L"HAND", false));
    s.CheckBoxBehaviour = readBool(bag, L"CHECK", false);
    s.Value = readBool(bag, L"VALUE", false);
    b.setEnabled(s.Enabled);
    b.calcPicSize();
    b.calcTextRects();
    b.setAccessKeys();
}

void ButtonPersistence::write(skinButton& b, rt::PropertyBag& bag) {
    const ButtonState& s = b.s_;
    bag.WriteProperty(L"BTYPE", rt::Variant(s.ButtonType));
    bag.WriteProperty(L"TX", rt::Variant(s.Caption));
    bag.WriteProperty(L"ENAB", rt::Variant(s.Enabled));
    bag.WriteProperty(L"FONT", fontCopy(b.UserControl::Font()));
    bag.WriteProperty(L"COLTYPE", rt::Variant(s.ColorScheme));
    bag.WriteProperty(L"FOCUSR", rt::Variant(s.ShowFocusRect));
    bag.WriteProperty(L"BCOL", rt::Variant(s.BackColor));
    bag.WriteProperty(L"BCOLO", rt::Variant(s.BackOver));
    bag.WriteProperty(L"FCOL", rt::Variant(s.ForeColor));
    bag.WriteProperty(L"FCOLO", rt::Variant(s.ForeOver));
    bag.WriteProperty(L"MCOL", rt::Variant(s.MaskColor));
    bag.WriteProperty(L"MPTR", rt::Variant(b.UserControl::MousePointer()));
    bag.WriteProperty(L"MICON", b.UserControl::MouseIcon());
    bag.WriteProperty(L"PICN", s.PictureNormal);
    bag.WriteProperty(L"PICH", s.PictureOver);
    bag.WriteProperty(L"UMCOL", rt::Variant(s.UseMaskColor));
    bag.WriteProperty(L"SOFT", rt::Variant(s.SoftBevel));
    bag.WriteProperty(L"PICPOS", rt::Variant(s.PicturePosition));
    bag.WriteProperty(L"NGREY", rt::Variant(s.UseGreyscale));
    bag.WriteProperty(L"FX", rt::Variant(s.SpecialEffect));
    bag.WriteProperty(L"HAND", rt::Variant(s.HandPointer));
    bag.WriteProperty(L"CHECK", rt::Variant(s.CheckBoxBehaviour));
    bag.WriteProperty(L"VALUE", rt::Variant(s.Value));
}

}  // namespace button
