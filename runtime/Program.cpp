#include "runtime/Program.h"

#include <windows.h>

#include "runtime/EventBoundary.h"
#include "runtime/Form.h"
#include "runtime/MessagePump.h"
#include "runtime/ShellApartment.h"

namespace rt {
namespace {

// Leaves the shell's apartment on every way out of the run.
class ApartmentLeftAtEnd {
public:
    ApartmentLeftAtEnd() = default;
    ~ApartmentLeftAtEnd() { leaveShellApartment(); }
    ApartmentLeftAtEnd(const ApartmentLeftAtEnd&) = delete;
    ApartmentLeftAtEnd& operator=(const ApartmentLeftAtEnd&) = delete;
};

}  // namespace

int runProgram(void (*Main)()) {
    ApartmentLeftAtEnd apartment;
    atEventBoundary(Main);
    if (Form::loadedForms() == 0) return exitCode() != 0 ? exitCode() : 1;
    runMessageLoopWhile([] { return Form::loadedForms() > 0; });
    return exitCode();
}

}  // namespace rt
