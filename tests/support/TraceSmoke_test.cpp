#include <gtest/gtest.h>

#include "common/TraceCapture.h"
#include "support/modTrace.h"

TEST(TraceSmoke, ALineReachesAViewerInTheSameProcess) {
    testenv::TraceCapture capture;
    modTrace::Trace(L"modMain.Main");
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_EQ(capture.messages()[0], "modMain.Main\t");
}
