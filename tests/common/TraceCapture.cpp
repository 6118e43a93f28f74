#include "common/TraceCapture.h"

#include "support/modTrace.h"

namespace testenv {

TraceCapture::TraceCapture(int markerValue) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TraceCapture::proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"twTraceCapture";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"trace capture", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetPropA(hwnd_, modTrace::traceMarkerName(), reinterpret_cast<HANDLE>(static_cast<intptr_t>(markerValue)));
    modTrace::resetForTesting();
}

TraceCapture::~TraceCapture() {
    RemovePropA(hwnd_, modTrace::traceMarkerName());
    DestroyWindow(hwnd_);
    modTrace::resetForTesting();
}

std::vector<std::string> TraceCapture::messages(const std::string& exeName) const {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        if (!exeName.empty() && line.rfind(exeName + ": ", 0) != 0) continue;
        size_t pos = 0;
        for (int i = 0; i < 4 && pos != std::string::npos; ++i)
            if ((pos = line.find(": ", pos)) != std::string::npos) pos += 2;
        out.push_back(pos == std::string::npos ? line : line.substr(pos));
    }
    return out;
}

LRESULT CALLBACK TraceCapture::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TraceCapture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (msg != WM_COPYDATA || !self || !cds) return DefWindowProcW(hwnd, msg, wParam, lParam);
    self->lines.emplace_back(static_cast<const char*>(cds->lpData), cds->cbData);
    return TRUE;
}

}  // namespace testenv
