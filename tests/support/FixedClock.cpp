#include "tests/support/FixedClock.h"

FixedClock::FixedClock(time_t now) : m_now(now), m_previous(SetClockSource(this)) {}

FixedClock::FixedClock(int year, int month, int day, int hour, int minute, int second)
    : FixedClock(LocalTime(year, month, day, hour, minute, second)) {}

FixedClock::~FixedClock() {
    SetClockSource(m_previous);
}

time_t FixedClock::LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}
