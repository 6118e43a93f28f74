#pragma once
// Where the system calls into the program (window procedures, timers, the
// message filter) no exception may pass. An error that an event procedure
// leaves uncaught is reported there as the platform reports one: a message
// box "Run-time error 'N':" with the description, titled with the
// application title, then an orderly end (every loaded form is unloaded, the
// message loop ends, the program exits with a non-zero code).
//
// The same place counts the events on the stack, so that objects whose
// handlers may still be running (the controls of a form unloaded from one of
// its own Click events) are released only once every event has returned,
// and so that what must wait for a window's events (a close that came while
// one of them waits in a message box) is done once they have returned.
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace rt {

// One event on the stack for as long as it lives. Given a window, it is an
// event of that window's top-level window too: a message to the window or to
// one of its controls, a form's Load.
class EventScope {
public:
    EventScope();
    explicit EventScope(HWND window);
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    HWND window_ = nullptr;
};

// Runs `action` once no event of `window`'s top-level window is running any
// more: as the last one returns (what it raises is reported then), or at
// once when none runs. A later action for the same window replaces one that
// still waits.
void afterEventsOf(HWND window, std::function<void()> action);

// Keeps `object` alive until no event is running (at once when none is).
void releaseAfterEvents(std::shared_ptr<void> object);

// Reports what escaped an event procedure; never throws.
void reportUnhandledError(std::exception_ptr error) noexcept;

// Runs a call from the system: whatever it throws is reported here.
template <typename Body>
void atEventBoundary(Body&& body) noexcept {
    EventScope scope;
    try {
        body();
    } catch (...) {
        reportUnhandledError(std::current_exception());
    }
}

// The text of the report for an error number and description.
std::wstring runtimeErrorText(int32_t number, const std::wstring& description);

// Shows the report; the default is a message box. Tests put in their own so
// nothing blocks. Returns the one it replaces.
using ErrorReporter = std::function<void(const std::wstring& text)>;
ErrorReporter setErrorReporter(ErrorReporter reporter);

// Where errors go that cannot be reported (raised while reporting or while
// ending); the default is the debugger's output. Returns the one it replaces.
using TraceWriter = std::function<void(const std::wstring& line)>;
TraceWriter setTraceWriter(TraceWriter writer);

// The Windows session is ending: every loaded form is unloaded before the
// system ends the process (an error while doing so is only traced), and no
// form loads any more. A form already in its Form_Unload (the session's end
// came while it waited on another program) finishes that unload afterwards.
// The exit code stays as it is.
void endForSession() noexcept;

// True once an unhandled error or the session's end has started the end: no
// form loads any more.
bool programEnding();
// The exit code the program ends with (0 unless an error ended it).
int exitCode();
// Tests that provoked an end carry on as if nothing had happened.
void resetEndForTesting();

}  // namespace rt
