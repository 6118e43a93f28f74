#pragma once
// What every control of a form has: its name and place in a control array,
// its position in twips, visibility and Tab order. Windowless controls draw
// themselves on the form; the others have a window of their own.
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/EventBoundary.h"
#include "runtime/FormLayout.h"

namespace rt {

class Form;

// Raises an event of a control. Whatever the handler does (even unloading
// the form), the control lives until the event has returned.
template <typename Handler, typename... Args>
void raiseEvent(const Handler& handler, Args&... args) {
    if (!handler) return;
    EventScope scope;
    handler(args...);
}

class Control {
public:
    Control(Form& form, const ControlLayout& row);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::wstring& Name() const { return name_; }
    int16_t Index() const { return index_; }
    int TabIndex() const { return tabIndex_; }
    // The container's view of the control, in twips.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Visible() const { return visible_; }
    virtual void Visible(bool on);
    virtual HWND hWnd() const { return nullptr; }

    // Its rectangle in the form's client pixels, and what it paints there.
    RECT pixelRect() const;
    virtual RECT paintArea() const { return pixelRect(); }

    // Called by the form.
    virtual void create() {}
    virtual void paint(HDC dc) const {}
    virtual bool hitTest(POINT client) const { return false; }
    virtual void raiseClick() {}
    virtual HCURSOR cursor() const { return nullptr; }
    virtual void onCommand(WORD notification) {}
    // The brush the platform control paints its background with (none: the default).
    virtual HBRUSH onCtlColor(HDC dc) { return nullptr; }
    virtual void formShown(bool shown) {}

protected:
    Form& form() const { return form_; }
    // Marks the control's place on the form for repainting.
    void invalidate() const;
    // Another size, in twips.
    void resize(int widthTwips, int heightTwips);

private:
    Form& form_;
    std::wstring name_;
    int16_t index_;
    int tabIndex_;
    int left_, top_, width_, height_;
    bool visible_;
};

}  // namespace rt
