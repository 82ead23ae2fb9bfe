#include "platform/core/Clock.h"

#include "platform/core/ReplaceableService.h"

namespace {

class SystemClock : public ClockSource {
public:
    time_t Now() override { return std::time(nullptr); }
};

ReplaceableService<ClockSource, SystemClock> g_clock;

} // namespace

ClockSource* SetClockSource(ClockSource* clock) {
    return g_clock.Replace(clock);
}

time_t GetCalendarTime() {
    return g_clock.Get().Now();
}
