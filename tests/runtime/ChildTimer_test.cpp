#include "runtime/ChildTimer.h"

#include <gtest/gtest.h>

#include "common/TestEnv.h"

TEST(ChildTimer, TicksWhileEnabledStopsFromItsOwnTickAndWhenItGoes) {
    int ticks = 0, goneTicks = 0;
    rt::ChildTimer timer(
        [&] {
            if (++ticks == 3) timer.Enabled(false);
        },
        5);
    timer.Enabled(true);
    testenv::pumpUntil([&] { return !timer.Enabled(); }, 2000);
    {
        rt::ChildTimer gone([&] { ++goneTicks; }, 1);
        gone.Enabled(true);
    }
    rt::pumpMessagesFor(50);
    EXPECT_EQ(ticks * 10 + goneTicks, 30);
}
