#pragma once
// A clock that stands still: installed for its lifetime in place of the system clock, it gives
// the time it was set to until it is set again.

#include "platform/core/Clock.h"

class FixedClock : public ClockSource {
public:
    explicit FixedClock(time_t now);
    // The local date and time given, to the second.
    FixedClock(int year, int month, int day, int hour, int minute, int second);
    ~FixedClock() override;
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    time_t Now() override { return m_now; }
    void Set(time_t now) { m_now = now; }
    void Advance(time_t seconds) { m_now += seconds; }

    // The calendar time of a local date and time.
    static time_t LocalTime(int year, int month, int day, int hour, int minute, int second);

private:
    time_t m_now;
    ClockSource* m_previous;
};
