#pragma once
// The place of a user control on a form: the form creates the instance from
// its stored property bag, shows and hides it with the form (its Show and
// Hide events), and keeps it until the form's controls go.
#include <memory>

#include "runtime/Control.h"
#include "runtime/UserControl.h"

namespace rt {

class UserControlSite : public Control {
public:
    UserControlSite(Form& form, const ControlLayout& row);
    ~UserControlSite() override;

    UserControl& control() const { return *control_; }
    HWND hWnd() const override { return control_->hwnd(); }
    using Control::Visible;
    void Visible(bool on) override;

    void create() override;
    void formShown(bool shown) override;

private:
    std::unique_ptr<UserControl> control_;
    PropertyBag stored_;
    bool shown_ = false;
};

}  // namespace rt
