#pragma once
// The single-threaded COM apartment that the shell's URL handlers and
// extensions need. It is entered right before the first shell call that
// opens something, not at start: COM (and ole32 with it) is loaded only
// when a program or page is opened.
namespace rt {

// Enters the apartment on the calling thread (the user-interface thread)
// unless it is in it already.
void enterShellApartment();
// Leaves the apartment entered above, on the thread that entered it; the
// program's run ends with this.
void leaveShellApartment();

}  // namespace rt
