#include "platform/core/Clock.h"

namespace {

class SystemClock : public ClockSource {
public:
    time_t Now() override { return std::time(nullptr); }
};

SystemClock g_systemClock;
ClockSource* g_clock = &g_systemClock;

} // namespace

ClockSource* SetClockSource(ClockSource* clock) {
    ClockSource* previous = g_clock;
    g_clock = clock ? clock : &g_systemClock;
    return previous == &g_systemClock ? nullptr : previous;
}

time_t GetCalendarTime() {
    return g_clock->Now();
}
