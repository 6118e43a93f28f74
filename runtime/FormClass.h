#pragma once
// The window classes of forms: one for each window icon, carrying it, so
// that a form's window has its icon from its creation on (an icon set on
// the window afterwards makes the platform do its icon work over again).
#include <windows.h>

#include <string>

namespace rt {

struct FormClass {
    std::wstring name;
    HICON icon = nullptr, smallIcon = nullptr;  // none: the platform's default
};

// The class of forms whose icon is the icon resource `iconResource` (0: none).
// The icons are loaded once and stay as long as the class, for the rest of the
// run; an icon that cannot be loaded leaves the platform's default one.
const FormClass& formClass(int iconResource);

}  // namespace rt
