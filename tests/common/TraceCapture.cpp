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

std::vector<std::string> TraceCapture::messages() const {
    std::vector<std::string> out;
    for (const auto& l : lines_) out.push_back(traceMessage(l));
    return out;
}

std::vector<std::string> TraceCapture::messagesFrom(const std::string& exeName) const {
    std::vector<std::string> out;
    for (const auto& l : lines_)
        if (l.rfind(exeName + ": ", 0) == 0) out.push_back(traceMessage(l));
    return out;
}

void TraceCapture::clear() {
    lines_.clear();
    sizes_.clear();
}

LRESULT CALLBACK TraceCapture::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        auto* self = reinterpret_cast<TraceCapture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (self && cds) {
            self->lines_.emplace_back(static_cast<const char*>(cds->lpData), cds->cbData);
            self->sizes_.push_back(cds->cbData);
        }
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::string traceMessage(const std::string& line) {
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        pos = line.find(": ", pos);
        if (pos == std::string::npos) return line;
        pos += 2;
    }
    return line.substr(pos);
}

}  // namespace testenv
