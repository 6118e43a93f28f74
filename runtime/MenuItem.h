#pragma once
// A menu entry of a form: caption, visibility, enabled state and Click.
// Entries of a control array share a name and differ by index.
#include <functional>

#include "runtime/FormLayout.h"

namespace rt {

class MenuItem {
public:
    explicit MenuItem(const MenuLayout& row)
        : name_(row.name),
          index_(row.index),
          parent_(row.parent),
          caption_(row.caption),
          visible_(row.visible),
          enabled_(row.enabled) {}

    const std::wstring& Name() const { return name_; }
    int16_t Index() const { return index_; }
    const std::wstring& parentName() const { return parent_; }
    const std::wstring& Caption() const { return caption_; }
    void Caption(std::wstring text) { caption_ = std::move(text); }
    bool Visible() const { return visible_; }
    void Visible(bool on) { visible_ = on; }
    bool Enabled() const { return enabled_; }
    void Enabled(bool on) { enabled_ = on; }

    std::function<void()> Click;

private:
    std::wstring name_;
    int16_t index_;
    std::wstring parent_;
    std::wstring caption_;
    bool visible_;
    bool enabled_;
};

}  // namespace rt
