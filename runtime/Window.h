#pragma once
// Base of every window the program creates: stores `this` at WM_NCCREATE and
// hands each message to the object.
#include <windows.h>

#include <string>

namespace rt {

// The text of any window (its caption, or an edit box's contents).
std::wstring windowText(HWND window);

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers a window class whose procedure forwards to Window objects
    // (once per name; later calls do nothing).
    static void registerClass(const wchar_t* className, UINT style = CS_DBLCLKS, HBRUSH background = nullptr,
                              HICON icon = nullptr, HICON smallIcon = nullptr);

    HWND create(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* title, int x, int y, int width,
                int height, HWND parent = nullptr, HMENU menuOrId = nullptr);

    virtual LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY).
    virtual void onDestroyed() {}

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace rt
