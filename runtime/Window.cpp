#include "runtime/Window.h"

#include <vector>

#include "runtime/App.h"
#include "runtime/EventBoundary.h"

namespace rt {

std::wstring windowText(HWND window) {
    std::vector<wchar_t> buf(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
    GetWindowTextW(window, buf.data(), static_cast<int>(buf.size()));
    return buf.data();
}

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::registerClass(const wchar_t* className, UINT style, HBRUSH background, HICON icon, HICON smallIcon) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(App::hInstance(), className, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Window::windowProc;
    wc.hInstance = App::hInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

HWND Window::create(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* title, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId) {
    HWND made = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                App::hInstance(), this);
    if (!made) hwnd_ = nullptr;  // refused after WM_NCCREATE had named it
    return made;
}

LRESULT Window::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    EventScope scope(hwnd);  // the object lives until this returns, whatever its events do
    LRESULT result = 0;
    atEventBoundary([&] { result = self->onMessage(msg, wParam, lParam); });
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        atEventBoundary([&] { self->onDestroyed(); });
    }
    return result;
}

}  // namespace rt
