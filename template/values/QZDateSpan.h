#pragma once
// A length of time that also counts whole calendar months, so that one month added to a date
// lands on the same day of the next month instead of a fixed number of days later. The value
// of the template language's date span constants such as 1y6m2d12h30n15s.

#include "platform/core/COleDateTime.h"
#include "platform/core/COleDateTimeSpan.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZDateSpan : public COleDateTimeSpan {
public:
    QZDateSpan() = default;
    // A year counts as twelve months.
    QZDateSpan(LONG days, int hours, int minutes, int seconds, LONG months, LONG years);
    // A span of days and time without months, such as the difference of two dates.
    explicit QZDateSpan(const COleDateTimeSpan& span) : COleDateTimeSpan(span) {}

    LONG GetTotalMonths() const { return m_months; }
    // The months beyond whole years, with the sign of the count.
    LONG GetMonths() const { return m_months % 12; }
    // Whole years, truncated toward zero.
    LONG GetYears() const { return m_months / 12; }

    // A null operand gives a null span, else an invalid one an invalid span; a result beyond
    // the span limit is invalid.
    QZDateSpan operator+(const QZDateSpan& other) const;
    QZDateSpan operator-(const QZDateSpan& other) const;
    QZDateSpan operator-() const;

    bool operator==(const QZDateSpan& other) const;
    bool operator!=(const QZDateSpan& other) const { return !(*this == other); }
    // Months decide first, whatever the days: one month is more than forty days.
    bool operator<(const QZDateSpan& other) const;
    bool operator>(const QZDateSpan& other) const;
    bool operator<=(const QZDateSpan& other) const { return !(*this > other); }
    bool operator>=(const QZDateSpan& other) const { return !(*this < other); }

    // The date moved by the months to the same day and time of day, then by the days and
    // time. Invalid when that day is not in the target month (31 January plus one month).
    COleDateTime AddToDate(const COleDateTime& date) const;
    COleDateTime SubtractFromDate(const COleDateTime& date) const;

    // "%dy%dm" of the years and months, then the day-and-time part by `format`.
    CString Format(LPCTSTR format) const;

private:
    static QZDateSpan Combine(const QZDateSpan& a, const QZDateSpan& b, int sign);
    COleDateTime Shift(const COleDateTime& date, int sign) const;
    void CheckSpanRange();

    LONG m_months = 0;
};
