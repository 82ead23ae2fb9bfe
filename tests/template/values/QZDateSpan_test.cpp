#include "template/values/QZDateSpan.h"

#include <gtest/gtest.h>

namespace {

using Status = COleDateTimeSpan::DateTimeSpanStatus;

QZDateSpan Months(LONG months) {
    return QZDateSpan(0, 0, 0, 0, months, 0);
}
QZDateSpan Years(LONG years) {
    return QZDateSpan(0, 0, 0, 0, 0, years);
}
QZDateSpan Days(LONG days, int hours = 0) {
    return QZDateSpan(days, hours, 0, 0, 0, 0);
}

QZDateSpan WithStatus(QZDateSpan span, Status status) {
    span.SetStatus(status);
    return span;
}

COleDateTime WithStatus(COleDateTime date, COleDateTime::DateTimeStatus status) {
    date.SetStatus(status);
    return date;
}

// The date as text for comparison, or its status word when it is not valid.
std::string Text(const COleDateTime& date) {
    if (date.GetStatus() == COleDateTime::invalid)
        return "invalid";
    if (date.GetStatus() == COleDateTime::null)
        return "null";
    return date.Format("%Y-%m-%d %H:%M:%S").str();
}

} // namespace

TEST(QZDateSpan, PartsOfTheMonthCount) {
    struct Case {
        QZDateSpan span;
        LONG total, years, months;
    } cases[] = {
        {QZDateSpan(), 0, 0, 0},
        {QZDateSpan(0, 0, 0, 0, 6, 1), 18, 1, 6},
        {QZDateSpan(0, 0, 0, 0, 2, 1), 14, 1, 2},
        {Months(24), 24, 2, 0},
        {-QZDateSpan(0, 0, 0, 0, 2, 1), -14, -1, -2},
        {Months(-5), -5, 0, -5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.span.GetTotalMonths(), c.total);
        EXPECT_EQ(c.span.GetYears(), c.years) << c.total;
        EXPECT_EQ(c.span.GetMonths(), c.months) << c.total;
    }
}

TEST(QZDateSpan, DayAndTimePartFromDaysHoursMinutesSeconds) {
    QZDateSpan span(2, 12, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(span.GetTotalDays(), 2.5);
    EXPECT_EQ(span.GetTotalMonths(), 0);

    QZDateSpan mixed(0, 36, 0, 0, 1, 0); // one month and 36 hours
    EXPECT_EQ(mixed.GetTotalMonths(), 1);
    EXPECT_EQ(mixed.GetDays(), 1);
    EXPECT_EQ(mixed.GetHours(), 12);
    EXPECT_DOUBLE_EQ(mixed.GetTotalHours(), 36.0);
}

TEST(QZDateSpan, MovesDatesByMonthsThenDaysKeepingTheTimeOfDay) {
    struct Case {
        COleDateTime date;
        QZDateSpan span;
        bool add;
        const char* expected;
    } cases[] = {
        {COleDateTime(1998, 1, 15, 0, 0, 0), Months(1), true, "1998-02-15 00:00:00"},
        {COleDateTime(1998, 1, 31, 0, 0, 0), Months(1), true, "invalid"},
        {COleDateTime(1998, 3, 31, 0, 0, 0), Months(1), true, "invalid"},  // 31 April
        {COleDateTime(1998, 3, 31, 0, 0, 0), Months(1), false, "invalid"}, // 31 February
        {COleDateTime(1998, 3, 15, 0, 0, 0), Months(3), false, "1997-12-15 00:00:00"},
        {COleDateTime(1998, 3, 15, 0, 0, 0), Months(-3), true, "1997-12-15 00:00:00"},
        {COleDateTime(1998, 11, 15, 0, 0, 0), Months(2), true, "1999-01-15 00:00:00"},
        {COleDateTime(1998, 12, 15, 0, 0, 0), Months(1), true, "1999-01-15 00:00:00"},
        {COleDateTime(1998, 12, 15, 0, 0, 0), Months(23), true, "2000-11-15 00:00:00"},
        {COleDateTime(1998, 1, 15, 0, 0, 0), Months(1), false, "1997-12-15 00:00:00"},
        {COleDateTime(1998, 1, 15, 0, 0, 0), Months(13), false, "1996-12-15 00:00:00"},
        {COleDateTime(1998, 1, 15, 0, 0, 0), Years(2), false, "1996-01-15 00:00:00"},
        // Leap years
        {COleDateTime(2000, 1, 29, 0, 0, 0), Months(1), true, "2000-02-29 00:00:00"},
        {COleDateTime(1999, 1, 29, 0, 0, 0), Months(1), true, "invalid"},
        {COleDateTime(2000, 2, 29, 0, 0, 0), Years(1), true, "invalid"},
        {COleDateTime(2000, 2, 29, 0, 0, 0), Years(4), true, "2004-02-29 00:00:00"},
        {COleDateTime(2000, 2, 29, 0, 0, 0), Years(100), false, "invalid"}, // 1900 is not leap
        {COleDateTime(2000, 2, 28, 0, 0, 0), Days(1), true, "2000-02-29 00:00:00"},
        {COleDateTime(1900, 2, 28, 0, 0, 0), Days(1), true, "1900-03-01 00:00:00"},
        {COleDateTime(2000, 3, 1, 0, 0, 0), Days(1), false, "2000-02-29 00:00:00"},
        {COleDateTime(1999, 12, 31, 0, 0, 0), Days(1), true, "2000-01-01 00:00:00"},
        // The time of day stays
        {COleDateTime(1998, 5, 5, 10, 30, 0), Days(1), true, "1998-05-06 10:30:00"},
        {COleDateTime(1998, 5, 5, 10, 30, 0), Days(1, 12), true, "1998-05-06 22:30:00"},
        {COleDateTime(1998, 1, 15, 10, 30, 0), Months(1), true, "1998-02-15 10:30:00"},
        {COleDateTime(1998, 5, 6, 10, 30, 0), Days(0, 12), false, "1998-05-05 22:30:00"},
        {COleDateTime(1998, 1, 31, 23, 0, 0), QZDateSpan(0, 2, 0, 0, 1, 0), false,
         "1997-12-31 21:00:00"},
        // Before the epoch, and the ends of the calendar
        {COleDateTime(1899, 1, 1, 12, 0, 0), QZDateSpan(1, 0, 0, 0, 1, 0), true,
         "1899-02-02 12:00:00"},
        {COleDateTime(1899, 12, 30, 6, 0, 0), Days(1), false, "1899-12-29 06:00:00"},
        {COleDateTime(9999, 12, 31, 0, 0, 0), Days(1), true, "invalid"},
        {COleDateTime(100, 1, 15, 0, 0, 0), Months(1), false, "invalid"},
        // Dates and spans that are not valid
        {WithStatus(COleDateTime(), COleDateTime::null), Days(1), true, "null"},
        {WithStatus(COleDateTime(), COleDateTime::invalid), Days(1), true, "invalid"},
        {COleDateTime(1998, 1, 15, 0, 0, 0), WithStatus(Days(1), Status::null), true, "null"},
        {COleDateTime(1998, 1, 15, 0, 0, 0), WithStatus(Days(1), Status::invalid), false,
         "invalid"},
    };
    for (const Case& c : cases) {
        COleDateTime moved = c.add ? c.span.AddToDate(c.date) : c.span.SubtractFromDate(c.date);
        EXPECT_EQ(Text(moved), c.expected)
            << Text(c.date) << (c.add ? " + " : " - ") << c.span.Format("%D days, %H:%M:%S").str();
    }
}

TEST(QZDateSpan, SumsAndDifferencesOfSpans) {
    const QZDateSpan limit(3615897, 0, 0, 0, 0, 0);
    struct Case {
        const char* what;
        QZDateSpan result;
        Status status;
        double days;
        LONG months;
    } cases[] = {
        {"1m + 2d", Months(1) + Days(2), Status::valid, 2, 1},
        {"1y - 2m", Years(1) - Months(2), Status::valid, 0, 10},
        {"2d12h - 3d", Days(2, 12) - Days(3), Status::valid, -0.5, 0},
        {"-(1m2d)", -QZDateSpan(2, 0, 0, 0, 1, 0), Status::valid, -2, -1},
        {"null + 1d", WithStatus(Days(1), Status::null) + Days(1), Status::null, 0, 0},
        {"1d - null", Days(1) - WithStatus(Days(1), Status::null), Status::null, 0, 0},
        {"invalid + 1d", WithStatus(Days(1), Status::invalid) + Days(1), Status::invalid, 0, 0},
        {"null + invalid", WithStatus(Days(1), Status::null) + WithStatus(Days(1), Status::invalid),
         Status::null, 0, 0},
        {"-null", -WithStatus(Days(1), Status::null), Status::null, 0, 0},
        {"-invalid", -WithStatus(Months(3), Status::invalid), Status::invalid, 0, 0},
        {"limit + 1d", limit + Days(1), Status::invalid, 3615898, 0},
        {"-limit - 1d", -limit - Days(1), Status::invalid, -3615898, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.GetStatus(), c.status) << c.what;
        EXPECT_DOUBLE_EQ(c.result.m_span, c.days) << c.what;
        EXPECT_EQ(c.result.GetTotalMonths(), c.months) << c.what;
    }
}

TEST(QZDateSpan, MonthsDecideTheOrderBeforeDays) {
    struct Case {
        QZDateSpan a, b;
        bool less, greater, equal;
    } cases[] = {
        {Months(1), Days(40), false, true, false},
        {Days(40), Months(1), true, false, false},
        {QZDateSpan(2, 0, 0, 0, 1, 0), QZDateSpan(1, 0, 0, 0, 1, 0), false, true, false},
        {Days(1, 12), QZDateSpan(0, 36, 0, 0, 0, 0), false, false, true},
        {Months(-1), Days(-40), true, false, false},
        {Years(1), Months(12), false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a.Format("%D days, %H:%M:%S").str() + " vs " +
                     c.b.Format("%D days, %H:%M:%S").str());
        EXPECT_EQ(c.a < c.b, c.less);
        EXPECT_EQ(c.a > c.b, c.greater);
        EXPECT_EQ(c.a == c.b, c.equal);
        EXPECT_EQ(c.a != c.b, !c.equal);
        EXPECT_EQ(c.a <= c.b, !c.greater);
        EXPECT_EQ(c.a >= c.b, !c.less);
    }
}

TEST(QZDateSpan, TextFormsPutYearsAndMonthsFirst) {
    struct Case {
        QZDateSpan span;
        const char* format;
        const char* text;
    } cases[] = {
        {QZDateSpan(3, 4, 0, 0, 2, 1), "%D days, %H:%M:%S", "1y2m3 days, 04:00:00"},
        {QZDateSpan(0, 0, 0, 0, 2, 1), "%D days, %H:%M:%S", "1y2m0 days, 00:00:00"},
        {QZDateSpan(0, 0, 0, 0, 6, 1), "", "1y6m"},
        {QZDateSpan(2, 12, 0, 0, 0, 0), "%D days, %H:%M:%S", "0y0m2 days, 12:00:00"},
        {QZDateSpan(0, 0, 30, 15, 18, 0), "%D days, %H:%M:%S", "1y6m0 days, 00:30:15"},
        {QZDateSpan(0, 0, 0, 0, 0, 0), "%H:%M", "0y0m00:00"},
        {-QZDateSpan(0, 0, 0, 0, 2, 1), "%D", "-1y-2m0"},
        {WithStatus(Months(14), Status::invalid), "%D", "1y2mInvalid DateTimeSpan"},
        {WithStatus(Days(1), Status::null), "%D", "0y0m"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.span.Format(c.format).str(), c.text);
}

TEST(QZDateSpan, DateDifferenceBecomesASpanWithoutMonths) {
    COleDateTimeSpan difference =
        COleDateTime(1998, 5, 6, 12, 0, 0) - COleDateTime(1998, 5, 5, 0, 0, 0);
    QZDateSpan span(difference);
    EXPECT_DOUBLE_EQ(span.GetTotalDays(), 1.5);
    EXPECT_EQ(span.GetTotalMonths(), 0);
    EXPECT_EQ(span.GetStatus(), Status::valid);
}
