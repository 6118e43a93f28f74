#pragma once
// A test container for user controls: a real top-level window, shown and in
// front, with the container object the controls talk to, and real input
// (pointer moves, button presses, keys) sent through the system's queue.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/ControlContainer.h"
#include "runtime/Window.h"

namespace testenv {

class ControlHost : public rt::Window {
public:
    ControlHost();

    rt::ControlContainer& container() { return *container_; }
    // Every property-change notification, as "name:KEY".
    std::vector<std::wstring> changes;

private:
    std::unique_ptr<rt::ControlContainer> container_;
};

// Real input. Positions are client coordinates of `hwnd`. Each call lets
// the message loop handle what the input caused before it returns.
void pointerTo(HWND hwnd, int x, int y);
void mouseButton(DWORD flag);  // MOUSEEVENTF_LEFTDOWN and the like
void key(WORD vk, bool up);
// A left click at client (x, y) of `hwnd`; a key pressed and released.
void click(HWND hwnd, int x, int y);
void type(WORD vk);
// A left click at a screen point, sent without waiting for it to be handled
// (for the inside of a modal loop that is not ours).
void sendClick(POINT screen);
// Handles pending messages for a short while (input takes a moment).
void settle(DWORD ms = 60);

}  // namespace testenv
