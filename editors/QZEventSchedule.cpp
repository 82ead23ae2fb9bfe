#include "editors/QZEventSchedule.h"

namespace {

COleDateTime TimeOfDay(int hour, int minute) {
    COleDateTime time;
    time.SetTime(hour, minute, 0);
    return time;
}

COleDateTime Midnight(const COleDateTime& now) {
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

COleDateTime OrDefault(const COleDateTime& date, const COleDateTime& fallback) {
    return QZEventSchedule::IsUnset(date) ? fallback : date;
}

// Stores `value` where the column differs; dates differ in value or in status.
template <class Column, class Value>
void StoreWhereDiffers(Column& column, const Value& value, const std::function<void()>& changed) {
    if (column == static_cast<Column>(value))
        return;
    column = static_cast<Column>(value);
    changed();
}

} // namespace

bool QZEventSchedule::IsUnset(const COleDateTime& date) {
    return date.GetStatus() == COleDateTime::null ||
           (date.GetStatus() == COleDateTime::valid && date.m_dt == 0);
}

CString QZEventSchedule::LastExecutedText(const COleDateTime& lastExecuted) {
    return IsUnset(lastExecuted) ? CString() : lastExecuted.Format("%#c");
}

int QZEventSchedule::IntervalMinutes() const {
    return m_nUnit == unitHours ? m_nCount * 60 : m_nCount;
}

void QZEventSchedule::Load(CEventsSet& row, const COleDateTime& now) {
    m_nWeekday = 1;
    m_nOrdinal = 0;
    m_nDayNumber = 1;
    m_nDayBits = kDayBits[0];
    m_strLastExecuted = LastExecutedText(row.m_LastExecuted);

    const int minutes = row.m_FrequencyMinutes;
    m_nUnit = minutes % 60 == 0 ? unitHours : unitMinutes;
    m_nCount = m_nUnit == unitHours ? minutes / 60 : minutes;
    if (m_nCount == 0)
        m_nCount = 1;

    const COleDateTime today = Midnight(now);
    m_WindowEnd = OrDefault(row.m_DailyEndTime, TimeOfDay(23, 59));
    m_AtTime = OrDefault(row.m_DailyStartTime, TimeOfDay(0, 1));
    m_WindowStart = TimeOfDay(0, 1);
    m_OnceDate = OrDefault(row.m_StartDate, today + COleDateTimeSpan(1, 0, 0, 0));
    m_StartDate = OrDefault(row.m_StartDate, today);
    m_EndDate = OrDefault(row.m_EndDate, today);
    if (IsUnset(row.m_EndDate))
        row.m_NoEndDate = 1;
    m_bNoEndDate = row.m_NoEndDate != 0;
    m_bByDay = row.m_AbsoluteDay != 0;
    LoadMode(row);
}

void QZEventSchedule::LoadMode(const CEventsSet& row) {
    m_nMode = row.m_Occurrence <= modeInterval ? static_cast<int>(row.m_Occurrence) : int(modeNone);
    switch (m_nMode) {
    case modeWeekly:
        // A row without days keeps Sunday checked.
        if (row.m_DayOfWeek != 0)
            m_nDayBits = row.m_DayOfWeek;
        break;
    case modeMonthly:
        m_nWeekday = row.m_DayOfWeek - 1;
        m_nDayNumber = row.m_DayRepeat;
        m_nOrdinal = row.m_OrdinalDay;
        break;
    case modeInterval:
        m_WindowStart = OrDefault(row.m_DailyStartTime, TimeOfDay(0, 1));
        break;
    default:
        break;
    }
}

void QZEventSchedule::Store(CEventsSet& row, const std::function<void()>& changed) {
    StoreModeFields(row, changed);
    if (m_nMode != modeNone)
        StoreWhereDiffers(row.m_Occurrence, m_nMode, changed);
    StoreWhereDiffers(row.m_DailyFrequency, 1, changed);
    StoreWhereDiffers(row.m_FrequencyMinutes, IntervalMinutes(), changed);
    StoreWhereDiffers(row.m_DailyEndTime, m_WindowEnd, changed);
    if (m_nMode != modeInterval)
        StoreWhereDiffers(row.m_DailyStartTime, m_AtTime, changed);
    StoreWhereDiffers(row.m_NoEndDate, m_bNoEndDate ? 1 : 0, changed);
    if (m_nMode != modeOnce)
        StoreWhereDiffers(row.m_StartDate, m_StartDate, changed);
    if (m_bNoEndDate)
        m_EndDate = COleDateTime();
    StoreWhereDiffers(row.m_EndDate, m_EndDate, changed);
}

void QZEventSchedule::StoreModeFields(CEventsSet& row, const std::function<void()>& changed) {
    switch (m_nMode) {
    case modeOnce:
        StoreWhereDiffers(row.m_StartDate, m_OnceDate, changed);
        break;
    case modeWeekly:
        StoreWhereDiffers(row.m_DayOfWeek, m_nDayBits, changed);
        break;
    case modeMonthly:
        StoreWhereDiffers(row.m_AbsoluteDay, m_bByDay ? 1 : 0, changed);
        // With nothing chosen in a list the row still gets a valid value, silently.
        if (m_nWeekday < 0)
            row.m_DayOfWeek = 1;
        else
            StoreWhereDiffers(row.m_DayOfWeek, m_nWeekday + 1, changed);
        StoreWhereDiffers(row.m_DayRepeat, m_nDayNumber, changed);
        if (m_nOrdinal < 0)
            row.m_OrdinalDay = 0;
        else
            StoreWhereDiffers(row.m_OrdinalDay, m_nOrdinal, changed);
        break;
    case modeInterval:
        StoreWhereDiffers(row.m_DailyStartTime, m_WindowStart, changed);
        break;
    default:
        break;
    }
}
