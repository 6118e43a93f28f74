// The test programs' entry. Tests run in parallel on one Wine desktop, where
// the trace search would find another test's viewer window (and each line
// would wait on that process): a test program traces only once it puts up
// a viewer of its own (TraceCapture), which starts a new search.
#include <gtest/gtest.h>

#include "support/modTrace.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    modTrace::silenceForTesting();
    return RUN_ALL_TESTS();
}
