#pragma once
// A length of time in days (the time of day as the fraction) with a status, as date arithmetic
// yields it: the difference of two dates, or what is added to a date.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days) : m_span(days) {}
    COleDateTimeSpan(LONG days, int hours, int minutes, int seconds);

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    void SetDateTimeSpan(LONG days, int hours, int minutes, int seconds);

    // Whole parts of the span rounded to the second; each takes the span's sign
    // (-1.5 days is -1 day and -12 hours).
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;
    // The whole span in one unit.
    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24; }
    double GetTotalMinutes() const { return m_span * 24 * 60; }
    double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }

    COleDateTimeSpan& operator=(double days);
    // A null operand gives a null result, else an invalid one an invalid result; a result
    // beyond the span limit is invalid.
    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other);
    COleDateTimeSpan operator-() const;

    bool operator==(const COleDateTimeSpan& other) const;
    bool operator!=(const COleDateTimeSpan& other) const { return !(*this == other); }
    bool operator<(const COleDateTimeSpan& other) const { return m_span < other.m_span; }
    bool operator>(const COleDateTimeSpan& other) const { return m_span > other.m_span; }
    bool operator<=(const COleDateTimeSpan& other) const { return m_span <= other.m_span; }
    bool operator>=(const COleDateTimeSpan& other) const { return m_span >= other.m_span; }

    // strftime-style text of the span taken as a date (so %H:%M:%S is the time part), with %D
    // for the whole days. Empty when null, "Invalid DateTimeSpan" when invalid.
    CString Format(LPCTSTR format) const;
    CString Format(UINT formatId) const;

    // The limit of a valid span, in days either way.
    static constexpr double kMaxDays = 3615897.0;

    double m_span = 0;
    DateTimeSpanStatus m_status = valid;

private:
    long long RoundedSeconds() const;
    void CheckRange();
};
