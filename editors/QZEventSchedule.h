#pragma once
// The values of a scheduled event's schedule form and how they come from and go back into the
// event's row: the defaults an unset date takes, the interval in hours or minutes, the weekly
// day bits, the day of the month or the ordinal weekday, and the end date or none. Kept apart
// from the window so that the rules can be checked on a row alone.

#include "db/CEventsSet.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"

#include <functional>

class QZEventSchedule {
public:
    // The mode radios in order; none when the row's Occurrence names no mode.
    enum Mode { modeNone = -1, modeOnce, modeDaily, modeWeekly, modeMonthly, modeInterval };
    // The unit list is sorted: "Hour(s)" comes before "Minute(s)".
    enum Unit { unitHours = 0, unitMinutes = 1 };
    // The minutes between runs a row can hold (its column is a 16-bit number).
    static constexpr int kMaxMinutes = 32767;
    // The weekly day bits, Sunday first.
    static constexpr int kDayBits[7] = {1, 2, 4, 8, 16, 32, 64};

    // Fills the values from the row; `now` gives the dates an unset one stands for. A row
    // without an end date is marked at once as having none (NoEndDate 1), which is not an
    // edit of the user's.
    void Load(CEventsSet& row, const COleDateTime& now);
    // Stores into the row every value that differs from it, calling `changed` once for each
    // field so stored that counts as an edit.
    void Store(CEventsSet& row, const std::function<void()>& changed);

    // The interval in minutes: the count, times 60 for hours.
    int IntervalMinutes() const;
    // The least and greatest count the unit allows, so that the interval is 1 to kMaxMinutes
    // minutes.
    int MaxCount() const { return m_nUnit == unitHours ? kMaxMinutes / 60 : kMaxMinutes; }
    static constexpr int kMinCount = 1;

    // Zero (30 December 1899 at midnight) or null: a date the row leaves unset.
    static bool IsUnset(const COleDateTime& date);
    // LastExecuted as the form shows it: empty for an event that never ran.
    static CString LastExecutedText(const COleDateTime& lastExecuted);

    int m_nMode = modeOnce;
    // The weekday list's index, Sunday 0 (-1: none chosen).
    int m_nWeekday = 1;
    int m_nUnit = unitHours;
    int m_nCount = 1;
    int m_nDayNumber = 1;
    // The ordinal list's index, "1st" 0 (-1: none chosen).
    int m_nOrdinal = 0;
    BOOL m_bNoEndDate = FALSE;
    // "Day" (a day number) rather than "The" (an ordinal weekday).
    BOOL m_bByDay = FALSE;
    int m_nDayBits = 1;
    COleDateTime m_OnceDate;
    COleDateTime m_StartDate;
    COleDateTime m_EndDate;
    COleDateTime m_AtTime;
    COleDateTime m_WindowStart;
    COleDateTime m_WindowEnd;
    CString m_strLastExecuted;

private:
    void LoadMode(const CEventsSet& row);
    void StoreModeFields(CEventsSet& row, const std::function<void()>& changed);
};
