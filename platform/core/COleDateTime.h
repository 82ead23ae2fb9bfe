#pragma once
// A date and time as the databases and the template language keep it: days since 30 December
// 1899 with the time of day as the fraction, and a status (valid, invalid or null). Valid dates
// run from 1 January 100 to 31 December 9999.

#include "platform/core/COleDateTimeSpan.h"
#include "platform/core/CString.h"
#include "platform/core/OleTypes.h"

#include <ctime>

struct MQDateParts;

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // The local date and time now, to the second, from the installed clock (Clock.h).
    static COleDateTime GetCurrentTime();

    COleDateTime() = default;
    COleDateTime(DATE value) : m_dt(value) {}
    COleDateTime(time_t time);
    // Invalid when a part is out of range (a day the month does not have, hour 24 ...).
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    COleDateTime& operator=(DATE value);
    COleDateTime& operator=(time_t time);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Each returns the new status: 0 (valid) on success, else the date is invalid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    // The time on the zero date (30 December 1899).
    int SetTime(int hour, int minute, int second);

    // Parts of a valid date (rounded to the second); -1 when the date is not valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const; // 1 = 1 January

    operator DATE() const { return m_dt; }

    // A null operand gives a null result, else an invalid one an invalid result; a result
    // outside the valid range is invalid.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Equality compares status and moment; the order compares the moments.
    bool operator==(const COleDateTime& other) const;
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    bool operator<(const COleDateTime& other) const { return Linear() < other.Linear(); }
    bool operator>(const COleDateTime& other) const { return Linear() > other.Linear(); }
    bool operator<=(const COleDateTime& other) const { return Linear() <= other.Linear(); }
    bool operator>=(const COleDateTime& other) const { return Linear() >= other.Linear(); }

    // Reads date text (see OleDateText.h). On failure the date becomes invalid and FALSE is
    // returned; the value is 0 for text that is no date, -1 for a date out of range.
    BOOL ParseDateTime(LPCTSTR text, DWORD flags = 0);

    // "3/14/1999 10:20:00 AM"; the date alone at midnight, the time alone on the zero date.
    // Null dates give an empty text and invalid ones "Invalid DateTime", in every form.
    CString Format() const;
    // strftime-style: %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y %% and "#".
    CString Format(LPCTSTR format) const;
    CString Format(UINT formatId) const;

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;

private:
    double Linear() const;
    COleDateTime Moved(double days, const COleDateTimeSpan& span) const;
    bool GetParts(MQDateParts& parts) const;
};
