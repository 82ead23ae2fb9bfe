#pragma once
// The one place the system asks for the time of day. The program reads the system clock; tests
// install a clock of their own, so that stamps and time-seeded choices are known in advance.

#include <ctime>

// Where the current calendar time comes from.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    // Seconds since 1 January 1970, as time() counts them.
    virtual time_t Now() = 0;
};

// Installs `clock` (not owned) and returns the one it replaces; nullptr restores the system
// clock (and is returned while the system clock is in place).
ClockSource* SetClockSource(ClockSource* clock);

// The current calendar time from the installed clock.
time_t GetCalendarTime();
