#include "runtime/EventBoundary.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

#include "runtime/App.h"
#include "runtime/Form.h"
#include "runtime/MsgBox.h"
#include "runtime/RuntimeError.h"

namespace rt {
namespace {

int gDepth = 0;
bool gReporting = false;
bool gEnding = false;
int gExitCode = 0;

std::vector<std::shared_ptr<void>>& deferred() {
    static std::vector<std::shared_ptr<void>> objects;
    return objects;
}

// The top-level windows with events running, and what waits for them to return.
struct WindowEvents {
    HWND root;
    int running;
    std::function<void()> after;
};

std::vector<WindowEvents>& windowEvents() {
    static std::vector<WindowEvents> windows;
    return windows;
}

std::vector<WindowEvents>::iterator eventsOf(HWND root) {
    auto& list = windowEvents();
    return std::find_if(list.begin(), list.end(), [root](const WindowEvents& w) { return w.root == root; });
}

HWND rootOf(HWND window) { return window ? GetAncestor(window, GA_ROOT) : nullptr; }

void enterWindow(HWND root) {
    auto w = eventsOf(root);
    if (w != windowEvents().end())
        ++w->running;
    else
        windowEvents().push_back({root, 1, {}});
}

// The last event of the window going runs what waited for it.
void leaveWindow(HWND root) {
    auto w = eventsOf(root);
    if (w == windowEvents().end() || --w->running > 0) return;
    std::function<void()> after = std::move(w->after);
    windowEvents().erase(w);
    if (after) atEventBoundary(after);
}

ErrorReporter& reporter() {
    static ErrorReporter r = [](const std::wstring& text) { MsgBox(text, vbOKOnly | vbExclamation, App::title()); };
    return r;
}

TraceWriter& traceWriter() {
    static TraceWriter w = [](const std::wstring& line) { OutputDebugStringW((line + L"\n").c_str()); };
    return w;
}

void trace(const std::wstring& line) noexcept {
    try {
        if (traceWriter()) traceWriter()(line);
    } catch (...) {
    }
}

// Releasing may run further events (windows being destroyed): take the list first.
void releaseDeferred() {
    auto objects = std::exchange(deferred(), {});
    objects.clear();
}

struct ErrorInfo {
    int32_t number;
    std::wstring description;
};

ErrorInfo describe(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError& e) {
        return {e.number(), e.description().empty() ? standardDescription(e.number()) : e.description()};
    } catch (const std::bad_alloc&) {
        return {errOutOfMemory, standardDescription(errOutOfMemory)};
    } catch (...) {
        return {errInternal, standardDescription(errInternal)};
    }
}

// Every form goes, with its Form_Unload; an error in one is traced and the next goes too.
void unloadEveryForm(bool finishedLoadsOnly) {
    gEnding = true;
    Form::unloadAllForEnd(
        [](std::exception_ptr error) {
            ErrorInfo e = describe(error);
            trace(L"Error (" + std::to_wstring(e.number) + L"):" + e.description + L" while ending");
        },
        finishedLoadsOnly);
}

void endProgram(int32_t number) {
    gExitCode = number != 0 ? number : 1;
    unloadEveryForm(false);
}

}  // namespace

EventScope::EventScope() { ++gDepth; }

// Out of memory, the event goes uncounted: what would wait for it runs at once.
EventScope::EventScope(HWND window) : EventScope() {
    try {
        if (HWND root = rootOf(window)) enterWindow(root), root_ = root;
    } catch (const std::bad_alloc&) {
    }
}

EventScope::~EventScope() {
    if (root_) leaveWindow(root_);
    if (--gDepth == 0 && !deferred().empty()) releaseDeferred();
}

void afterEventsOf(HWND window, std::function<void()> action) {
    auto w = eventsOf(rootOf(window));
    if (w == windowEvents().end())
        action();
    else
        w->after = std::move(action);
}

void releaseAfterEvents(std::shared_ptr<void> object) {
    deferred().push_back(std::move(object));
    if (gDepth == 0) releaseDeferred();
}

std::wstring runtimeErrorText(int32_t number, const std::wstring& description) {
    return L"Run-time error '" + std::to_wstring(number) + L"':\r\n\r\n" + description;
}

void reportUnhandledError(std::exception_ptr error) noexcept {
    try {
        ErrorInfo e = describe(error);
        if (gReporting || gEnding) {
            trace(L"Error (" + std::to_wstring(e.number) + L"):" + e.description + L" after an unhandled error");
            return;
        }
        gReporting = true;
        try {
            if (reporter()) reporter()(runtimeErrorText(e.number, e.description));
        } catch (...) {
            trace(L"Error report failed: " + runtimeErrorText(e.number, e.description));
        }
        endProgram(e.number);
        gReporting = false;
    } catch (...) {
        gReporting = false;
    }
}

ErrorReporter setErrorReporter(ErrorReporter r) { return std::exchange(reporter(), std::move(r)); }

TraceWriter setTraceWriter(TraceWriter w) { return std::exchange(traceWriter(), std::move(w)); }

// A form still in its Form_Load has shown nothing the user could change:
// its Form_Unload would only store what its layout holds.
void endForSession() noexcept {
    try {
        unloadEveryForm(true);
    } catch (...) {
    }
}

bool programEnding() { return gEnding; }

int exitCode() { return gExitCode; }

void resetEndForTesting() {
    gEnding = false;
    gExitCode = 0;
}

}  // namespace rt
