#pragma once
// A moment to the second, as the window toolkit keeps times (the registry's last-write times),
// and the 100-nanosecond file time the registry stores.

#include "platform/core/CString.h"

#include <ctime>

// 100-nanosecond intervals since 1 January 1601, UTC, in two 32-bit halves.
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
using LPFILETIME = FILETIME*;

// The present moment as a file time.
void GetSystemTimeAsFileTime(LPFILETIME fileTime);

// A moment as seconds since 1 January 1970, UTC; its parts are read in local time.
class CTime {
public:
    static CTime GetCurrentTime();

    constexpr CTime() = default;
    constexpr CTime(time_t time) : m_time(time) {}
    // A local date and time; `dst` as mktime takes it (-1: let the zone rules decide). Parts
    // out of range are carried over as mktime does.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    // The moment of a file time (whole seconds; the fraction is dropped).
    explicit CTime(const FILETIME& fileTime, int dst = -1);

    time_t GetTime() const { return m_time; }
    int GetYear() const { return Local().tm_year + 1900; }
    int GetMonth() const { return Local().tm_mon + 1; }
    int GetDay() const { return Local().tm_mday; }
    int GetHour() const { return Local().tm_hour; }
    int GetMinute() const { return Local().tm_min; }
    int GetSecond() const { return Local().tm_sec; }
    int GetDayOfWeek() const { return Local().tm_wday + 1; } // 1 = Sunday

    // strftime's conversions, in local time or in UTC.
    CString Format(LPCTSTR format) const;
    CString FormatGmt(LPCTSTR format) const;

    constexpr bool operator==(const CTime& other) const { return m_time == other.m_time; }
    constexpr bool operator!=(const CTime& other) const { return m_time != other.m_time; }
    constexpr bool operator<(const CTime& other) const { return m_time < other.m_time; }
    constexpr bool operator>(const CTime& other) const { return m_time > other.m_time; }
    constexpr bool operator<=(const CTime& other) const { return m_time <= other.m_time; }
    constexpr bool operator>=(const CTime& other) const { return m_time >= other.m_time; }

private:
    std::tm Local() const;

    time_t m_time = 0;
};
