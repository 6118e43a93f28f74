#pragma once
// The program's run: `Main` (which shows the first form), then the message
// loop for as long as a form is loaded; at the end, the user-interface
// thread leaves the COM apartment that opening something through the shell
// entered (ShellApartment.h).
namespace rt {

// The exit code: 0 after a normal end; non-zero when Main left no form
// loaded (its window could not be made, say) or an unhandled error ended
// the program.
int runProgram(void (*Main)());

}  // namespace rt
