#include "runtime/ControlContainer.h"

#include <algorithm>

#include "runtime/UserControl.h"

namespace rt {

ControlContainer::ControlContainer(HWND window)
    : window_(window), font_(std::make_shared<StdFont>(L"MS Sans Serif", 8.25)) {}

ControlContainer::~ControlContainer() {
    for (UserControl* c : controls_) c->containerGone();
}

void ControlContainer::setUserMode(bool running) {
    userMode_ = running;
    ambientChanged(L"UserMode");
}

void ControlContainer::setFont(FontRef font) {
    font_ = std::move(font);
    ambientChanged(L"Font");
}

void ControlContainer::setDefaultControl(UserControl* control) {
    UserControl* old = std::exchange(default_, control);
    if (old == control) return;
    for (UserControl* c : {old, control})
        if (c) c->raiseAmbientChanged(L"DisplayAsDefault");
}

void ControlContainer::add(UserControl& control) { controls_.push_back(&control); }

void ControlContainer::remove(UserControl& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (default_ == &control) default_ = nullptr;
}

void ControlContainer::propertyChanged(UserControl& control, const std::wstring& key) {
    if (onPropertyChanged) onPropertyChanged(control, key);
}

void ControlContainer::ambientChanged(const std::wstring& name) {
    // A handler may add or remove controls: walk a copy.
    auto controls = controls_;
    for (UserControl* c : controls) c->raiseAmbientChanged(name);
}

}  // namespace rt
