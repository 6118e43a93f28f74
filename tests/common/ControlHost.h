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
    ControlHost(int width = 400, int height = 300);
    ~ControlHost() override;

    rt::ControlContainer& container() { return *container_; }
    // Every property-change notification, as "name:KEY".
    std::vector<std::wstring> changes;

private:
    std::unique_ptr<rt::ControlContainer> container_;
};

// Real input. Positions are client coordinates of `hwnd`. Each call lets
// the message loop handle what the input caused before it returns.
void pointerTo(HWND hwnd, int x, int y);
void pointerToScreen(POINT p);
void mouseButton(DWORD flag);  // MOUSEEVENTF_LEFTDOWN and the like
void clickAt(HWND hwnd, int x, int y, DWORD downFlag = MOUSEEVENTF_LEFTDOWN, DWORD upFlag = MOUSEEVENTF_LEFTUP);
void key(WORD vk, bool up);
void tapKey(WORD vk);
void altKey(WORD vk);
// Handles pending messages for a short while (input takes a moment).
void settle(DWORD ms = 60);

}  // namespace testenv
