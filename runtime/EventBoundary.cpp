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

// The windows whose events run, innermost last, and what waits for the
// events of a top-level window to return. Which top-level window an event
// belongs to is only asked while something waits.
std::vector<HWND>& windowsInEvents() {
    static std::vector<HWND> windows;
    return windows;
}

struct Waiting {
    HWND root;
    std::function<void()> action;
};

std::vector<Waiting>& waiting() {
    static std::vector<Waiting> list;
    return list;
}

HWND rootOf(HWND window) { return GetAncestor(window, GA_ROOT); }

bool eventsRunIn(HWND root) {
    const auto& windows = windowsInEvents();
    return std::any_of(windows.begin(), windows.end(), [root](HWND w) { return w == root || rootOf(w) == root; });
}

// Runs, one at a time, what no longer waits for any event.
void runWhatWaitedForEvents() {
    for (;;) {
        auto& list = waiting();
        auto done = std::find_if(list.begin(), list.end(), [](const Waiting& w) { return !eventsRunIn(w.root); });
        if (done == list.end()) return;
        std::function<void()> action = std::move(done->action);
        list.erase(done);
        atEventBoundary(action);
    }
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
    if (!window) return;
    try {
        windowsInEvents().push_back(window);
        window_ = window;
    } catch (const std::bad_alloc&) {
    }
}

EventScope::~EventScope() {
    if (window_) {
        windowsInEvents().pop_back();
        if (!waiting().empty()) runWhatWaitedForEvents();
    }
    if (--gDepth == 0 && !deferred().empty()) releaseDeferred();
}

void afterEventsOf(HWND window, std::function<void()> action) {
    HWND root = rootOf(window);
    if (!root || !eventsRunIn(root)) {
        action();
        return;
    }
    auto& list = waiting();
    auto w = std::find_if(list.begin(), list.end(), [root](const Waiting& entry) { return entry.root == root; });
    if (w != list.end())
        w->action = std::move(action);
    else
        list.push_back({root, std::move(action)});
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
