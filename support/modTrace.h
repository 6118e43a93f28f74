#pragma once
// Diagnostic lines to an external trace viewer: a top-level window marked
// with the property "mornveldtVBTRACER_TRACEWIN" = 1 that takes WM_COPYDATA.
// Tracing never raises and never shows anything; without a viewer it costs
// one search per run. Before each line the viewer found is checked to be one
// still; when it is not, it is forgotten and the search runs once more. A
// viewer that has stopped answering fails a line at once, else a line waits
// for it up to 5 s.
#include <windows.h>

#include "runtime/Variant.h"

namespace modTrace {

void TraceItems(const rt::VariantList& items);
void AssertItems(bool condition, const rt::VariantList& items);

// Trace("modMain.Main"), Trace(L"sFolder", sFolder): each item one TAB-ended piece.
template <typename... Items>
void Trace(const Items&... items) {
    TraceItems(rt::VariantList{rt::Variant(items)...});
}

template <typename... Items>
void Assert(bool condition, const Items&... items) {
    AssertItems(condition, rt::VariantList{rt::Variant(items)...});
}

bool isTraceOn();
bool isTraceWindow(HWND hwnd);

// The marker property's name.
const char* traceMarkerName();

// The line for a message, with the prefix "exe: hInstance: threadId: time: ".
std::wstring buildTraceLine(const rt::VariantList& list);

// Test seams: forget the search, and how often it ran.
void resetForTesting();
// As if the search had found no viewer: nothing is sent until the next reset.
void silenceForTesting();
int searchCountForTesting();

}  // namespace modTrace
