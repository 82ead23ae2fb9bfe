#include "platform/core/Clock.h"

#include "platform/core/COleDateTime.h"
#include "tests/support/FixedClock.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Clock, CurrentTimeComesFromTheInstalledClockUntilItGoes) {
    {
        FixedClock clock(2024, 3, 5, 10, 20, 30);
        EXPECT_EQ(GetCalendarTime(), FixedClock::LocalTime(2024, 3, 5, 10, 20, 30));
        EXPECT_EQ(COleDateTime::GetCurrentTime(), COleDateTime(2024, 3, 5, 10, 20, 30));
        clock.Advance(90);
        EXPECT_EQ(COleDateTime::GetCurrentTime(), COleDateTime(2024, 3, 5, 10, 22, 0));
    }
    EXPECT_LE(std::abs(double(GetCalendarTime() - std::time(nullptr))), 2.0);
}

TEST(Clock, ClocksInstalledInTurnComeBackInTurn) {
    FixedClock outer(1000);
    {
        FixedClock inner(2000);
        EXPECT_EQ(GetCalendarTime(), 2000);
    }
    EXPECT_EQ(GetCalendarTime(), 1000);
}
