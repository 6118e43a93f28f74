#pragma once
// A form's stored description as data: the window, its controls and its
// menus. Positions and sizes are in twips: 1440 to the inch, so 15 to the
// pixel on a 96 DPI screen and 12 on a 120 DPI one (ScaleUnits converts).
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/PropertyBag.h"
#include "runtime/StdFont.h"
#include "runtime/StdPicture.h"

namespace rt {

class UserControl;

enum class ControlKind { Label, TextBox, CheckBox, Image, ListBox, Line, User };

// A new instance of a user control, for ControlLayout::create.
template <typename T>
std::unique_ptr<UserControl> newUserControl() {
    return std::make_unique<T>();
}

struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// One control. Windowless ones (labels, images, lines) are drawn in the
// order of the layout, each over the ones before it; a line runs from
// (left, top) to (left + width, top + height). A row names the fields it
// sets, in their order here:
//   {.kind = ControlKind::TextBox, .name = L"txtIp", .at = {1560, 1920, 3975, 230},
//    .text = L"255.255.255.255", .font = arial, .tabIndex = 0, .maxLength = 15},
struct ControlLayout {
    ControlKind kind = ControlKind::Label;
    std::wstring name;
    int16_t index = -1;  // place in a control array; -1 when it is in none
    TwipsRect at;
    std::wstring text;  // caption or text
    FontRef font;       // none: the form's font
    int tabIndex = -1;  // keyboard order of the controls that take the focus
    bool visible = true;
    bool enabled = true;
    int maxLength = 0;  // text boxes: most characters the user may type (0: no limit)
    PictureRef picture;
    COLORREF lineColor = 0;
    int16_t mousePointer = 0;  // 99: mouseIcon
    PictureRef mouseIcon;
    PropertyBag properties;                              // user controls: the stored form
    std::unique_ptr<UserControl> (*create)() = nullptr;  // user controls: a new instance
};

// One menu entry; entries name the menu they belong to by its name. A menu
// whose entries are listed is shown as a popup only.
struct MenuLayout {
    std::wstring name;
    int16_t index = -1;
    std::wstring caption;
    std::wstring parent;  // empty: a top-level menu
    bool visible = true;
    bool enabled = true;
};

enum class StartUpPosition { WindowsDefault, CenterOwner, CenterScreen };

struct FormLayout {
    std::wstring caption;
    int clientWidthTwips = 0;
    int clientHeightTwips = 0;
    bool maxButton = true;
    bool minButton = true;
    StartUpPosition startUpPosition = StartUpPosition::CenterScreen;
    int iconResource = 0;  // 0: none
    PictureRef picture;    // drawn at the client area's top left corner
    FontRef font;          // none: MS Sans Serif 8.25
    std::vector<ControlLayout> controls;
    std::vector<MenuLayout> menus;
};

}  // namespace rt
