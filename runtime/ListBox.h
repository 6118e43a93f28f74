#pragma once
// A list box: the platform's own, entries in the order they were added.
#include <functional>

#include "runtime/WindowedControl.h"

namespace rt {

class ListBox : public WindowedControl {
public:
    ListBox(Form& form, const ControlLayout& row, const FontRef& font);

    void AddItem(const std::wstring& item);
    void Clear();
    int ListCount() const;
    // Entry `index`; outside the list: error 381.
    std::wstring List(int index) const;
    // The selected entry, -1 when none.
    int ListIndex() const;
    void ListIndex(int index);

    std::function<void()> DblClick;
    std::function<void(int16_t& KeyAscii)> KeyPress;

    void onCommand(WORD notification) override;

protected:
    bool onWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace rt
