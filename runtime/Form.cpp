#include "runtime/Form.h"

#include <vector>

namespace rt {
namespace {

const wchar_t kFormClass[] = L"tarnwicketForm";
int gLoadedForms = 0;

}  // namespace

Form::Form(FormLayout layout) : layout_(std::move(layout)) {}

Form::~Form() = default;

int Form::loadedForms() { return gLoadedForms; }

void Form::createFromLayout() {
    registerClass(kFormClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), layout_.icon);
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (layout_.minButton) style |= WS_MINIMIZEBOX;
    if (layout_.maxButton) style |= WS_MAXIMIZEBOX;
    RECT r{0, 0, twipsToPixels(layout_.clientWidthTwips), twipsToPixels(layout_.clientHeightTwips)};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    int w = r.right - r.left, h = r.bottom - r.top;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (layout_.centreOnScreen) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - w) / 2;
        y = work.top + (work.bottom - work.top - h) / 2;
    }
    if (create(kFormClass, 0, style, layout_.caption.c_str(), x, y, w, h)) ++gLoadedForms;
}

void Form::Load() {
    if (isLoaded()) return;
    createFromLayout();
    if (isLoaded()) Form_Load();
}

void Form::Show() {
    Load();
    if (!isLoaded()) return;
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
}

void Form::Unload() {
    if (!isLoaded() || unloading_) return;
    int cancel = 0;
    unloading_ = true;
    Form_Unload(cancel);
    unloading_ = false;
    if (cancel == 0 && isLoaded()) DestroyWindow(hwnd());
}

std::wstring Form::caption() const {
    if (!isLoaded()) return layout_.caption;
    int n = GetWindowTextLengthW(hwnd());
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
    GetWindowTextW(hwnd(), buf.data(), n + 1);
    return buf.data();
}

void Form::setCaption(const std::wstring& text) {
    layout_.caption = text;
    if (isLoaded()) SetWindowTextW(hwnd(), text.c_str());
}

LRESULT Form::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        Unload();
        return 0;
    }
    return Window::onMessage(msg, wParam, lParam);
}

void Form::onDestroyed() {
    if (--gLoadedForms == 0) PostQuitMessage(0);
}

}  // namespace rt
