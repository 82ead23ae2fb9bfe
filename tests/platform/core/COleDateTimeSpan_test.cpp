#include "platform/core/COleDateTimeSpan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

COleDateTimeSpan WithStatus(COleDateTimeSpan::DateTimeSpanStatus status) {
    COleDateTimeSpan span(1.0);
    span.SetStatus(status);
    return span;
}

} // namespace

TEST(COleDateTimeSpan, PartsTakeTheSignOfTheSpanAndRoundToTheSecond) {
    struct Case {
        COleDateTimeSpan span;
        LONG days, hours, minutes, seconds;
        double totalHours;
    } cases[] = {
        {COleDateTimeSpan(1.5), 1, 12, 0, 0, 36.0},
        {COleDateTimeSpan(-1.5), -1, -12, 0, 0, -36.0},
        {COleDateTimeSpan(1, 12, 0, 0), 1, 12, 0, 0, 36.0},
        {COleDateTimeSpan(0, 1, 30, 15), 0, 1, 30, 15, 1.5041666666666667},
        {COleDateTimeSpan(0, -1, -30, 0), 0, -1, -30, 0, -1.5},
        {COleDateTimeSpan(0, 25, 0, 0), 1, 1, 0, 0, 25.0},
        {COleDateTimeSpan(2, 3, 4, 5), 2, 3, 4, 5, 51.068055555555553},
        {COleDateTimeSpan(0, 0, 0, 90), 0, 0, 1, 30, 0.025},
        {COleDateTimeSpan(1.0 - 0.2 / 86400), 1, 0, 0, 0, 24.0 - 0.2 / 3600},
        {COleDateTimeSpan(0.0), 0, 0, 0, 0, 0.0},
    };
    for (const Case& c : cases) {
        std::string where = std::to_string(c.span.GetTotalDays());
        EXPECT_EQ(c.span.GetDays(), c.days) << where;
        EXPECT_EQ(c.span.GetHours(), c.hours) << where;
        EXPECT_EQ(c.span.GetMinutes(), c.minutes) << where;
        EXPECT_EQ(c.span.GetSeconds(), c.seconds) << where;
        EXPECT_NEAR(c.span.GetTotalHours(), c.totalHours, 1e-9) << where;
        EXPECT_NEAR(c.span.GetTotalMinutes(), c.totalHours * 60, 1e-7) << where;
        EXPECT_NEAR(c.span.GetTotalSeconds(), c.totalHours * 3600, 1e-5) << where;
    }
}

TEST(COleDateTimeSpan, ArithmeticCarriesNullBeforeInvalid) {
    using S = COleDateTimeSpan;
    struct Case {
        S::DateTimeSpanStatus left, right, result;
    } cases[] = {
        {S::valid, S::valid, S::valid},     {S::null, S::valid, S::null},
        {S::valid, S::null, S::null},       {S::invalid, S::null, S::null},
        {S::invalid, S::valid, S::invalid}, {S::valid, S::invalid, S::invalid},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((WithStatus(c.left) + WithStatus(c.right)).GetStatus(), c.result);
        EXPECT_EQ((WithStatus(c.left) - WithStatus(c.right)).GetStatus(), c.result);
    }
    EXPECT_EQ((-WithStatus(S::null)).GetStatus(), S::null);
    EXPECT_EQ((-WithStatus(S::invalid)).GetStatus(), S::invalid);
}

TEST(COleDateTimeSpan, SumsAndDifferencesAndTheirLimit) {
    COleDateTimeSpan sum = COleDateTimeSpan(0, 20, 0, 0) + COleDateTimeSpan(0, 6, 30, 0);
    EXPECT_EQ(sum.GetDays(), 1);
    EXPECT_EQ(sum.GetHours(), 2);
    EXPECT_EQ(sum.GetMinutes(), 30);
    COleDateTimeSpan difference = COleDateTimeSpan(0, 6, 0, 0) - COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_DOUBLE_EQ(difference.GetTotalDays(), -0.75);
    EXPECT_EQ(difference.GetHours(), -18);
    EXPECT_DOUBLE_EQ((-difference).GetTotalDays(), 0.75);

    COleDateTimeSpan limit(COleDateTimeSpan::kMaxDays);
    EXPECT_EQ((limit + COleDateTimeSpan(0.0)).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ((limit + COleDateTimeSpan(1.0)).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((-limit - COleDateTimeSpan(1.0)).GetStatus(), COleDateTimeSpan::invalid);

    COleDateTimeSpan running(0.25);
    running += COleDateTimeSpan(0.5);
    running -= COleDateTimeSpan(1.0);
    EXPECT_DOUBLE_EQ(running.GetTotalDays(), -0.25);
}

TEST(COleDateTimeSpan, ComparisonsOrderBySpan) {
    EXPECT_TRUE(COleDateTimeSpan(-1.0) < COleDateTimeSpan(0.5));
    EXPECT_TRUE(COleDateTimeSpan(2.0) >= COleDateTimeSpan(2.0));
    EXPECT_TRUE(COleDateTimeSpan(1, 12, 0, 0) == COleDateTimeSpan(1.5));
    EXPECT_TRUE(COleDateTimeSpan(1.0) != WithStatus(COleDateTimeSpan::invalid));
}

TEST(COleDateTimeSpan, FormatWritesDaysAndTheTimePart) {
    struct Case {
        COleDateTimeSpan span;
        const char* format;
        const char* text;
    } cases[] = {
        {COleDateTimeSpan(3, 4, 0, 0), "%D days, %H:%M:%S", "3 days, 04:00:00"},
        {COleDateTimeSpan(1, 2, 3, 4), "%Dd%Hh%Mn%Ss", "1d02h03n04s"},
        {COleDateTimeSpan(-1.5), "%D days, %H:%M:%S", "-1 days, 12:00:00"},
        {COleDateTimeSpan(0.0), "%D days, %H:%M:%S", "0 days, 00:00:00"},
        {COleDateTimeSpan(400, 0, 0, 59), "%D|%S|%#H", "400|59|0"},
        {COleDateTimeSpan(1.0 - 0.2 / 86400), "%D days, %H:%M:%S", "1 days, 00:00:00"},
        {COleDateTimeSpan(1.0), "%%D %%", "%D %"},
        {WithStatus(COleDateTimeSpan::null), "%D", ""},
        {WithStatus(COleDateTimeSpan::invalid), "%D", "Invalid DateTimeSpan"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.span.Format(c.format), c.text) << c.format;
}
