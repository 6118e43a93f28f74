#include "support/modTrace.h"

#include <cwchar>
#include <string>

#include "runtime/Ansi.h"
#include "runtime/App.h"

namespace modTrace {
namespace {

HWND hTraceWnd = nullptr;
bool traceWindowSearched = false;
int searchCount = 0;

const std::string kMarker = std::string("mornveldtVBTRACER") + "_TRACEWIN";

BOOL CALLBACK enumTraceWindowsProc(HWND hwnd, LPARAM) {
    if (isTraceWindow(hwnd)) {
        hTraceWnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

void findTraceWindow() {
    hTraceWnd = nullptr;
    ++searchCount;
    EnumWindows(&enumTraceWindowsProc, 0);
}

// The viewer found may have closed since, and its handle may now be another
// window's: a handle that no longer is a trace window is forgotten, and the
// search runs again in its place.
bool viewerStillThere() {
    if (!isTraceWindow(hTraceWnd)) findTraceWindow();
    return hTraceWnd != nullptr;
}

// An item's text; false when it has none (a nested list, an object).
bool itemText(const rt::Variant& item, std::wstring& text) {
    if (item.isNull()) {
        text.clear();
        return true;
    }
    try {
        text = item.toString();
        return true;
    } catch (...) {
        return false;
    }
}

void appendPieces(std::wstring& message, const rt::Variant& element) {
    if (element.kind() == rt::Variant::Kind::List) {
        for (const auto& item : element.list()) {
            std::wstring text;
            if (itemText(item, text)) message += text + L"\t";
        }
        return;
    }
    std::wstring text;
    if (itemText(element, text)) message += text + L"\t";
}

std::wstring formattedNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t buf[32];
    swprintf(buf, 32, L"%04u%02u%02u %02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return buf;
}

void sendTraceLine(const rt::VariantList& list) {
    try {
        if (!viewerStillThere()) return;
        std::string bytes = rt::toAnsi(buildTraceLine(list));
        COPYDATASTRUCT record{};
        record.dwData = 0;
        record.cbData = static_cast<DWORD>(bytes.size());
        record.lpData = bytes.data();
        DWORD_PTR result = 0;
        // A viewer that has stopped answering fails the send at once.
        SendMessageTimeoutA(hTraceWnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record),
                            SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &result);
    } catch (...) {
        // A trace line that cannot be built or sent is lost, never reported.
    }
}

}  // namespace

const char* traceMarkerName() { return kMarker.c_str(); }

bool isTraceWindow(HWND hwnd) { return GetPropA(hwnd, kMarker.c_str()) == reinterpret_cast<HANDLE>(1); }

bool isTraceOn() {
    if (!traceWindowSearched) {
        findTraceWindow();
        traceWindowSearched = true;
    }
    return hTraceWnd != nullptr;
}

std::wstring buildTraceLine(const rt::VariantList& list) {
    std::wstring message;
    for (const auto& element : list) appendPieces(message, element);
    return rt::App::exeName() + L": " + std::to_wstring(reinterpret_cast<intptr_t>(rt::App::hInstance())) + L": " +
           std::to_wstring(static_cast<int32_t>(rt::App::threadId())) + L": " + formattedNow() + L": " + message;
}

void TraceItems(const rt::VariantList& items) {
    if (!isTraceOn()) return;
    sendTraceLine(rt::VariantList{rt::Variant(items)});
}

void AssertItems(bool condition, const rt::VariantList& items) {
    if (!hTraceWnd || condition) return;
    sendTraceLine(rt::VariantList{rt::Variant(items), rt::Variant(L"Assert Failed")});
}

void resetForTesting() {
    hTraceWnd = nullptr;
    traceWindowSearched = false;
    searchCount = 0;
}

void silenceForTesting() {
    hTraceWnd = nullptr;
    traceWindowSearched = true;
}

int searchCountForTesting() { return searchCount; }

}  // namespace modTrace
