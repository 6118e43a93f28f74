#pragma once
// The message loop and its pauses.
#include <windows.h>

#include <functional>

namespace rt {

// Sees each message before it is translated and dispatched; returning true
// means it was handled (keyboard navigation between controls, access keys).
using MessageFilter = std::function<bool(MSG&)>;
void addMessageFilter(MessageFilter filter);

// Handles every message waiting for this thread, then returns.
void DoEvents();

// Runs the message loop until WM_QUIT; returns its exit code.
int runMessageLoop();

// Runs the message loop for as long as `keepRunning` holds. False when a
// WM_QUIT ended it; the quit is posted again for the loops outside.
bool runMessageLoopWhile(const std::function<bool()>& keepRunning);

// Handles messages for about `milliseconds`, then returns.
void pumpMessagesFor(DWORD milliseconds);

}  // namespace rt
