// The program's entry: Main shows the main window, then the message loop
// runs until the last window is gone.
#include <windows.h>

#include "launcher/modMain.h"
#include "runtime/MessagePump.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    modMain::Main();
    return rt::runMessageLoop();
}
