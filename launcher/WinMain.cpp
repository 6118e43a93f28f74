// The program's entry: Main shows the main window, then the message loop
// runs until the last window is gone. Errors that no event procedure
// handled and that cannot be shown go to the trace.
#include <windows.h>

#include "launcher/modMain.h"
#include "runtime/EventBoundary.h"
#include "runtime/Program.h"
#include "support/modTrace.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    rt::setTraceWriter([](const std::wstring& line) { modTrace::Trace(line); });
    return rt::runProgram(modMain::Main);
}
