#pragma once
// The program's run: its user-interface thread in a single-threaded COM
// apartment (the shell's URL handlers and extensions need one), `Main`
// (which shows the first form), then the message loop for as long as a form
// is loaded.
namespace rt {

// The exit code: 0 after a normal end; non-zero when Main left no form
// loaded (its window could not be made, say) or an unhandled error ended
// the program.
int runProgram(void (*Main)());

}  // namespace rt
