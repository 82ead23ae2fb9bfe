#include "platform/ui/ProgressRange.h"

#include <gtest/gtest.h>

TEST(ProgressRange, StartsAtZeroOfZeroToHundredInStepsOfTen) {
    const ProgressRange range;
    EXPECT_EQ(range.GetLower(), 0);
    EXPECT_EQ(range.GetUpper(), 100);
    EXPECT_EQ(range.GetPos(), 0);
    EXPECT_EQ(range.GetStep(), 10);
}

TEST(ProgressRange, StepItReturnsThePositionBeforeAndStartsOverPastAnEnd) {
    struct Case {
        int lower, upper, step, start;
        int after;
    };
    const Case cases[] = {
        {0, 100, 10, 0, 10}, {0, 100, 10, 90, 100}, {0, 100, 10, 100, 10}, {0, 100, 30, 80, 10},
        {20, 40, 5, 40, 25}, {0, 100, -10, 10, 0},  {0, 100, -10, 0, 90},  {0, 100, 0, 50, 50},
    };
    for (const Case& c : cases) {
        ProgressRange range;
        range.SetRange(c.lower, c.upper);
        range.SetStep(c.step);
        range.SetPos(c.start);
        EXPECT_EQ(range.StepIt(), c.start) << c.lower << ".." << c.upper << " +" << c.step;
        EXPECT_EQ(range.GetPos(), c.after) << c.lower << ".." << c.upper << " +" << c.step;
    }
}

TEST(ProgressRange, FiveStepsOfTheDefaultsLeaveFifty) {
    ProgressRange range;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(range.StepIt(), i * 10);
    EXPECT_EQ(range.GetPos(), 50);
}

TEST(ProgressRange, PositionStaysInsideTheRange) {
    ProgressRange range;
    EXPECT_EQ(range.SetPos(150), 0);
    EXPECT_EQ(range.GetPos(), 100);
    EXPECT_EQ(range.SetPos(-5), 100);
    EXPECT_EQ(range.GetPos(), 0);
    range.SetPos(80);
    range.SetRange(10, 50);
    EXPECT_EQ(range.GetPos(), 50);
    range.SetRange(60, 70);
    EXPECT_EQ(range.GetPos(), 60);
}

TEST(ProgressRange, SetStepReturnsTheStepBefore) {
    ProgressRange range;
    EXPECT_EQ(range.SetStep(3), 10);
    EXPECT_EQ(range.SetStep(7), 3);
}
