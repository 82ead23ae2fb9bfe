#include "platform/core/COleDateTime.h"
#include "platform/core/StringTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

constexpr double kSecond = 1.0 / 86400;

struct Parts {
    int year, month, day, hour, minute, second;
};

void ExpectParts(const COleDateTime& date, const Parts& p, const std::string& where) {
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid) << where;
    EXPECT_EQ(date.GetYear(), p.year) << where;
    EXPECT_EQ(date.GetMonth(), p.month) << where;
    EXPECT_EQ(date.GetDay(), p.day) << where;
    EXPECT_EQ(date.GetHour(), p.hour) << where;
    EXPECT_EQ(date.GetMinute(), p.minute) << where;
    EXPECT_EQ(date.GetSecond(), p.second) << where;
}

COleDateTime WithStatus(COleDateTime::DateTimeStatus status) {
    COleDateTime date(36233.5);
    date.SetStatus(status);
    return date;
}

COleDateTimeSpan SpanWithStatus(COleDateTimeSpan::DateTimeSpanStatus status) {
    COleDateTimeSpan span(1.0);
    span.SetStatus(status);
    return span;
}

} // namespace

TEST(COleDateTime, PartsOfDateValuesAroundTheEpochAndLeapDays) {
    struct Case {
        double value;
        Parts parts;
        int dayOfWeek;
        int dayOfYear;
    } cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}, 7, 364},
        {1.0, {1899, 12, 31, 0, 0, 0}, 1, 365},
        {2.0, {1900, 1, 1, 0, 0, 0}, 2, 1},
        {-1.25, {1899, 12, 29, 6, 0, 0}, 6, 363},
        {-0.5, {1899, 12, 30, 12, 0, 0}, 7, 364},
        {0.5, {1899, 12, 30, 12, 0, 0}, 7, 364},
        {-1.75, {1899, 12, 29, 18, 0, 0}, 6, 363},
        {-36522.0, {1800, 1, 1, 0, 0, 0}, 4, 1},
        {60.0, {1900, 2, 28, 0, 0, 0}, 4, 59},
        {61.0, {1900, 3, 1, 0, 0, 0}, 5, 60},
        {36585.0, {2000, 2, 29, 0, 0, 0}, 3, 60},
        {36586.0, {2000, 3, 1, 0, 0, 0}, 4, 61},
        {36891.75, {2000, 12, 31, 18, 0, 0}, 1, 366},
        {36233.0 + 37200 * kSecond, {1999, 3, 14, 10, 20, 0}, 1, 73},
        {-657434.0, {100, 1, 1, 0, 0, 0}, 6, 1},
        {2958465.0 + 86399 * kSecond, {9999, 12, 31, 23, 59, 59}, 6, 365},
        // Values round to the nearest second, across midnight too.
        {36585.0 + 59.6 * kSecond, {2000, 2, 29, 0, 1, 0}, 3, 60},
        {1.0 - 0.2 * kSecond, {1899, 12, 31, 0, 0, 0}, 1, 365},
        {-1.0 - 0.2 * kSecond, {1899, 12, 29, 0, 0, 0}, 6, 363},
    };
    for (const Case& c : cases) {
        COleDateTime date(c.value);
        std::string where = std::to_string(c.value);
        ExpectParts(date, c.parts, where);
        EXPECT_EQ(date.GetDayOfWeek(), c.dayOfWeek) << where;
        EXPECT_EQ(date.GetDayOfYear(), c.dayOfYear) << where;
    }
}

TEST(COleDateTime, SetDateTimeGivesTheDateValueAndItsPartsBack) {
    struct Case {
        Parts parts;
        double value;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{1899, 12, 30, 12, 0, 0}, 0.5},
        {{1800, 1, 1, 18, 0, 0}, -36522.75},
        {{1900, 3, 1, 0, 0, 0}, 61.0},
        {{1999, 3, 14, 10, 20, 0}, 36233.0 + 37200 * kSecond},
        {{2000, 2, 29, 23, 59, 59}, 36585.0 + 86399 * kSecond},
        {{100, 1, 1, 0, 0, 0}, -657434.0},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0},
    };
    for (const Case& c : cases) {
        const Parts& p = c.parts;
        COleDateTime date;
        EXPECT_EQ(date.SetDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second), 0);
        std::string where =
            std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day);
        EXPECT_NEAR(DATE(date), c.value, 1e-9) << where;
        ExpectParts(COleDateTime(DATE(date)), p, where);
        ExpectParts(COleDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second), p, where);
    }
}

TEST(COleDateTime, OutOfRangePartsMakeTheDateInvalid) {
    Parts cases[] = {
        {2001, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2000, 13, 1, 0, 0, 0},
        {2000, 0, 1, 0, 0, 0},  {2000, 1, 0, 0, 0, 0},  {2000, 4, 31, 0, 0, 0},
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {2000, 1, 1, 24, 0, 0},
        {2000, 1, 1, 0, 60, 0}, {2000, 1, 1, 0, 0, 60}, {2000, 1, 1, -1, 0, 0},
    };
    for (const Parts& p : cases) {
        COleDateTime date;
        std::string where = std::to_string(p.year) + "-" + std::to_string(p.month) + "-" +
                            std::to_string(p.day) + " " + std::to_string(p.hour) + ":" +
                            std::to_string(p.minute) + ":" + std::to_string(p.second);
        EXPECT_EQ(date.SetDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second),
                  COleDateTime::invalid)
            << where;
        EXPECT_EQ(date.GetYear(), -1) << where;
        EXPECT_EQ(date.GetDayOfWeek(), -1) << where;
        EXPECT_EQ(date.Format(), "Invalid DateTime") << where;
        EXPECT_EQ(date.Format("%Y"), "Invalid DateTime") << where;
    }
}

TEST(COleDateTime, SetDateAndSetTimeSetTheirHalf) {
    COleDateTime date;
    EXPECT_EQ(date.SetDate(1999, 3, 14), 0);
    EXPECT_DOUBLE_EQ(DATE(date), 36233.0);
    EXPECT_EQ(date.SetTime(18, 0, 0), 0);
    EXPECT_DOUBLE_EQ(DATE(date), 0.75);
    EXPECT_EQ(date.SetDate(1999, 2, 29), COleDateTime::invalid);
}

TEST(COleDateTime, ArithmeticGoesThroughTheLinearValueAcrossTheEpoch) {
    struct Case {
        double date;
        double spanDays;
        double expected;
    } cases[] = {
        {0.125, -0.25, -1.875},    // 30 Dec 03:00 - 6h = 29 Dec 21:00
        {-1.25, 1.0, 0.25},        // 29 Dec 06:00 + 1d = 30 Dec 06:00
        {-1.25, 0.5, -1.75},       // 29 Dec 06:00 + 12h = 29 Dec 18:00
        {-1.75, 0.25, 0.0},        // 29 Dec 18:00 + 6h = 30 Dec 00:00
        {0.0, -0.25, -1.75},       // 30 Dec 00:00 - 6h = 29 Dec 18:00
        {-2.5, -1.0, -3.5},        // 28 Dec 12:00 - 1d = 27 Dec 12:00
        {36585.75, 0.5, 36586.25}, // 29 Feb 2000 18:00 + 12h = 1 Mar 06:00
    };
    for (const Case& c : cases) {
        COleDateTime moved = COleDateTime(c.date) + COleDateTimeSpan(c.spanDays);
        std::string where = std::to_string(c.date) + " + " + std::to_string(c.spanDays);
        EXPECT_EQ(moved.GetStatus(), COleDateTime::valid) << where;
        EXPECT_NEAR(DATE(moved), c.expected, 1e-9) << where;
        COleDateTime back = moved - COleDateTimeSpan(c.spanDays);
        EXPECT_NEAR(DATE(back), c.date, 1e-9) << where;
        COleDateTimeSpan difference = moved - COleDateTime(c.date);
        EXPECT_NEAR(difference.GetTotalDays(), c.spanDays, 1e-9) << where;
    }
}

TEST(COleDateTime, OrderFollowsTheMomentNotTheStoredNumber) {
    // 29 Dec 1899 18:00 is stored as -1.75, which is below -1.25 (06:00 the same day).
    EXPECT_TRUE(COleDateTime(-1.25) < COleDateTime(-1.75));
    EXPECT_TRUE(COleDateTime(-1.75) > COleDateTime(-1.25));
    EXPECT_TRUE(COleDateTime(-1.75) < COleDateTime(0.0));
    // -0.5 and 0.5 both mean 30 Dec 1899 12:00.
    EXPECT_TRUE(COleDateTime(-0.5) == COleDateTime(0.5));
    EXPECT_FALSE(COleDateTime(1.0) == WithStatus(COleDateTime::invalid));
}

TEST(COleDateTime, NullAndInvalidStatusCarryThroughArithmetic) {
    using D = COleDateTime;
    using S = COleDateTimeSpan;
    struct Case {
        D::DateTimeStatus date;
        S::DateTimeSpanStatus span;
        D::DateTimeStatus sum;
    } cases[] = {
        {D::valid, S::valid, D::valid},     {D::null, S::valid, D::null},
        {D::valid, S::null, D::null},       {D::invalid, S::null, D::null},
        {D::invalid, S::valid, D::invalid}, {D::valid, S::invalid, D::invalid},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((WithStatus(c.date) + SpanWithStatus(c.span)).GetStatus(), c.sum);
        EXPECT_EQ((WithStatus(c.date) - SpanWithStatus(c.span)).GetStatus(), c.sum);
    }
    EXPECT_EQ((WithStatus(D::null) - WithStatus(D::invalid)).GetStatus(), S::null);
    EXPECT_EQ((WithStatus(D::valid) - WithStatus(D::invalid)).GetStatus(), S::invalid);
    EXPECT_EQ((WithStatus(D::valid) - WithStatus(D::valid)).GetStatus(), S::valid);
    EXPECT_EQ(WithStatus(D::null).Format(), "");
    EXPECT_EQ(WithStatus(D::null).Format("%Y"), "");
    EXPECT_EQ(WithStatus(D::null).GetYear(), -1);
}

TEST(COleDateTime, ArithmeticLeavingYears100To9999IsInvalid) {
    COleDateTime last(9999, 12, 31, 23, 59, 59);
    EXPECT_EQ((last + COleDateTimeSpan(0, 0, 0, 1)).GetStatus(), COleDateTime::invalid);
    COleDateTime first(100, 1, 1, 0, 0, 0);
    EXPECT_EQ((first - COleDateTimeSpan(0, 0, 0, 1)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((first + COleDateTimeSpan(0, 0, 0, 1)).GetStatus(), COleDateTime::valid);
}

TEST(COleDateTime, DefaultFormatShowsDateAndTimeLikeTheVariantConversion) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {36233.0 + 37200 * kSecond, "3/14/1999 10:20:00 AM"},
        {36233.0 + 80400 * kSecond, "3/14/1999 10:20:00 PM"},
        {36233.0, "3/14/1999"},
        {36526.5, "1/1/2000 12:00:00 PM"},
        {0.0, "12:00:00 AM"},
        {0.75, "6:00:00 PM"},
        {-0.5, "12:00:00 PM"},
        {-1.25, "12/29/1899 6:00:00 AM"},
        {1.0, "12/31/1899"},
        {-657434.0, "1/1/100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(COleDateTime(c.value).Format(), c.text) << c.value;
}

TEST(COleDateTime, FormatWithStrftimeConversions) {
    COleDateTime newYearsEve(1999, 12, 31, 23, 59, 58);
    COleDateTime earlyMorning(2005, 1, 5, 4, 3, 0);
    COleDateTime templateDate(1998, 1, 5, 14, 3, 0);
    struct Case {
        COleDateTime date;
        const char* format;
        const char* text;
    } cases[] = {
        {newYearsEve, "%A %a %B %b", "Friday Fri December Dec"},
        {newYearsEve, "%c", "12/31/99 23:59:58"},
        {newYearsEve, "%x|%X", "12/31/99|23:59:58"},
        {newYearsEve, "%#c", "Friday, December 31, 1999 23:59:58"},
        {newYearsEve, "%#x", "Friday, December 31, 1999"},
        // The forms are fixed, whatever the user's locale; the long date keeps its two digits.
        {COleDateTime(1999, 3, 1, 14, 5, 0), "%x|%#x|%X|%c",
         "03/01/99|Monday, March 01, 1999|14:05:00|03/01/99 14:05:00"},
        {COleDateTime(1999, 3, 1, 14, 5, 0), "%#c", "Monday, March 01, 1999 14:05:00"},
        {COleDateTime(1999, 3, 1, 9, 5, 7), "%#d %#m %#H %#M %#S %d %m", "1 3 9 5 7 01 03"},
        {newYearsEve, "%d %H %I %j %m %M %p %S %w %y %Y", "31 23 11 365 12 59 PM 58 5 99 1999"},
        {earlyMorning, "%d/%m/%y %I%p", "05/01/05 04AM"},
        {earlyMorning, "%#d/%#m/%#y %#H:%#M %#j", "5/1/5 4:3 5"},
        {COleDateTime(2000, 1, 1, 0, 30, 0), "%U %W %I %p", "00 00 12 AM"},
        {COleDateTime(2000, 1, 2, 12, 0, 0), "%U %W %I %p", "01 00 12 PM"},
        {COleDateTime(2000, 1, 3, 0, 0, 0), "%U %W", "01 01"},
        {COleDateTime(2000, 12, 31, 0, 0, 0), "%j %U %W", "366 53 52"},
        {templateDate, "%a %b %d %Y %H:%M:%S", "Mon Jan 05 1998 14:03:00"},
        {templateDate, "#%d/%m/%Y %H:%M:%S#", "#05/01/1998 14:03:00#"},
        {templateDate, "%b %d, %Y", "Jan 05, 1998"},
        {COleDateTime(-1.25), "%Y-%m-%d %H:%M %a", "1899-12-29 06:00 Fri"},
        {COleDateTime(100, 1, 1, 0, 0, 0), "%Y %y", "0100 00"},
        {templateDate, "100%% %Q%", "100% "},
        {templateDate, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.date.Format(c.format), c.text) << c.format;
}

TEST(COleDateTime, FormatByStringIdUsesTheStringTable) {
    const UINT id = 0xF7A1;
    StringTable::Register(id, "%Y-%m-%d");
    EXPECT_EQ(COleDateTime(1999, 3, 14, 0, 0, 0).Format(id), "1999-03-14");
    StringTable::Register(id, nullptr);
}

TEST(COleDateTime, ParseDateTimeReadsTheCommonUsForms) {
    int year = COleDateTime::GetCurrentTime().GetYear();
    struct Case {
        const char* text;
        DWORD flags;
        Parts parts;
    } cases[] = {
        {"3/14/1999", 0, {1999, 3, 14, 0, 0, 0}},
        {"3/14/1999 10:20:00 AM", 0, {1999, 3, 14, 10, 20, 0}},
        {"3/14/1999 10:20:00 PM", 0, {1999, 3, 14, 22, 20, 0}},
        {"3/14/1999 12:05 AM", 0, {1999, 3, 14, 0, 5, 0}},
        {"  3/14/1999  ", 0, {1999, 3, 14, 0, 0, 0}},
        {"1999-03-14 10:20:00", 0, {1999, 3, 14, 10, 20, 0}},
        {"March 14, 1999", 0, {1999, 3, 14, 0, 0, 0}},
        {"mar 14 1999 8:05", 0, {1999, 3, 14, 8, 5, 0}},
        {"14 Mar 1999", 0, {1999, 3, 14, 0, 0, 0}},
        {"14-Mar-1999", 0, {1999, 3, 14, 0, 0, 0}},
        {"Sun Mar 14 1999 10:20:00", 0, {1999, 3, 14, 10, 20, 0}},
        {"Sunday, March 14, 1999", 0, {1999, 3, 14, 0, 0, 0}},
        {"September 1999", 0, {1999, 9, 1, 0, 0, 0}},
        {"10:20", 0, {1899, 12, 30, 10, 20, 0}},
        {"10:20 PM", 0, {1899, 12, 30, 22, 20, 0}},
        {"10 pm", 0, {1899, 12, 30, 22, 0, 0}},
        {"23:59:59", 0, {1899, 12, 30, 23, 59, 59}},
        {"3/14/99", 0, {1999, 3, 14, 0, 0, 0}},
        {"1/2/05", 0, {2005, 1, 2, 0, 0, 0}},
        {"12/31/29", 0, {2029, 12, 31, 0, 0, 0}},
        {"1/1/30", 0, {1930, 1, 1, 0, 0, 0}},
        {"2/29/2000", 0, {2000, 2, 29, 0, 0, 0}},
        {"12/25", 0, {year, 12, 25, 0, 0, 0}},
        {"3/14/1999 10:20", VAR_DATEVALUEONLY, {1999, 3, 14, 0, 0, 0}},
        {"3/14/1999 10:20", VAR_TIMEVALUEONLY, {1899, 12, 30, 10, 20, 0}},
    };
    for (const Case& c : cases) {
        COleDateTime date;
        EXPECT_TRUE(date.ParseDateTime(c.text, c.flags)) << c.text;
        ExpectParts(date, c.parts, c.text);
    }
}

TEST(COleDateTime, ParseDateTimeRejectsTextThatIsNoDate) {
    struct Case {
        const char* text;
        double valueAfter; // 0 for text that is no date, -1 for a date out of range
    } cases[] = {
        {"", 0},           {"hello", 0},         {"2/30/1999", 0},   {"13/1/1999", 0},
        {"2/29/1900", 0},  {"25:00", 0},         {"10:61", 0},       {"3/14/1999 13:00 PM", 0},
        {"12", 0},         {"3/14/1999 xyz", 0}, {"3/14/1999 #", 0}, {"PM", 0},
        {"1/1/10000", -1}, {"1/1/0050", -1},
    };
    for (const Case& c : cases) {
        COleDateTime date(36233.0);
        EXPECT_FALSE(date.ParseDateTime(c.text)) << c.text;
        EXPECT_EQ(date.GetStatus(), COleDateTime::invalid) << c.text;
        EXPECT_EQ(DATE(date), c.valueAfter) << c.text;
    }
}

TEST(COleDateTime, DefaultTextAndTemplateTextParseBackToTheSameDate) {
    double values[] = {
        36233.0 + 37200 * kSecond, 36233.0,   0.0,      0.5, 0.75, -1.25, -1.75, -36522.75,
        36585.0 + 86399 * kSecond, 2958465.0, -657434.0};
    for (double value : values) {
        COleDateTime original(value);
        COleDateTime parsed;
        ASSERT_TRUE(parsed.ParseDateTime(original.Format())) << original.Format().str();
        EXPECT_NEAR(DATE(parsed), value, 1e-9) << original.Format().str();
        if (value >= 1.0 || value <= -1.0) {
            CString text = original.Format("%a %b %d %Y %H:%M:%S");
            ASSERT_TRUE(parsed.ParseDateTime(text)) << text.str();
            EXPECT_NEAR(DATE(parsed), value, 1e-9) << text.str();
        }
    }
}

TEST(COleDateTime, CurrentTimeAndTimeTAreLocalTime) {
    time_t now = std::time(nullptr);
    COleDateTime current = COleDateTime::GetCurrentTime();
    EXPECT_EQ(current.GetStatus(), COleDateTime::valid);
    EXPECT_LE(std::abs((current - COleDateTime(now)).GetTotalSeconds()), 2.0);

    struct tm local {};
    localtime_r(&now, &local);
    COleDateTime fromTime(now);
    EXPECT_EQ(fromTime.GetYear(), local.tm_year + 1900);
    EXPECT_EQ(fromTime.GetMonth(), local.tm_mon + 1);
    EXPECT_EQ(fromTime.GetDay(), local.tm_mday);
    EXPECT_EQ(fromTime.GetHour(), local.tm_hour);
    EXPECT_EQ(fromTime.GetMinute(), local.tm_min);
}
