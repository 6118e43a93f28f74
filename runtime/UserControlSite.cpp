#include "runtime/UserControlSite.h"

#include "runtime/Form.h"
#include "runtime/RuntimeError.h"

namespace rt {

UserControlSite::UserControlSite(Form& form, const ControlLayout& row)
    : Control(form, row), control_(row.create ? row.create() : nullptr), stored_(row.properties) {
    if (!control_) raiseStandard(errInvalidCall);
}

UserControlSite::~UserControlSite() { control_->terminate(); }

void UserControlSite::create() { control_->place(form().container(), Name(), pixelRect(), &stored_); }

void UserControlSite::formShown(bool shown) {
    shown = shown && Visible();
    if (shown == shown_) return;
    shown_ = shown;
    if (shown)
        control_->show();
    else
        control_->hide();
}

// The control's Show may let events run that unload the form: the control
// stays until this call is over.
void UserControlSite::Visible(bool on) {
    EventScope hold;
    Control::Visible(on);
    formShown(on && form().hwnd() && IsWindowVisible(form().hwnd()));
}

}  // namespace rt
