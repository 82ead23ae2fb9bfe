// The schedule form's values on events of the fixture site: what an unset row shows, the
// interval in hours or minutes, the day bits and ordinal weekdays stored, no end date, and a
// save that changes nothing marking nothing.

#include "content/QZVantrelEvent.h"
#include "editors/QZEventSchedule.h"
#include "tests/content/ContentFixture.h"
#include "tests/content/ContentKinds.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

COleDateTime Time(int hour, int minute) {
    COleDateTime time;
    time.SetTime(hour, minute, 0);
    return time;
}

} // namespace

class QZEventScheduleTest : public ContentTest {
protected:
    const ContentKind& Event() { return ContentKindOf(OBJ_EVENT); }

    // The event 5:id, claimed.
    std::unique_ptr<QZVantrelEvent> Load(LONG id) {
        std::unique_ptr<QZVantrelBase> object = Event().load(QZKeyCombo(5, id, OBJ_EVENT), TRUE);
        return std::unique_ptr<QZVantrelEvent>(dynamic_cast<QZVantrelEvent*>(object.release()));
    }
    // Loads the event's schedule, lets `edit` change it, stores it and saves the row; the
    // number of edits the store counted.
    int Edit(LONG id, const std::function<void(QZEventSchedule&)>& edit) {
        std::unique_ptr<QZVantrelEvent> event = Load(id);
        QZEventSchedule schedule;
        schedule.Load(*event->GetRecordset(), COleDateTime::GetCurrentTime());
        edit(schedule);
        int changes = 0;
        schedule.Store(*event->GetRecordset(), [&] { ++changes; });
        event->Save();
        return changes;
    }
    LONG Stored(LONG id, const char* column) { return Number(Event(), id, column); }
    COleDateTime StoredDate(LONG id, const char* column) {
        std::unique_ptr<QZVantrelEvent> event = Load(id);
        CEventsSet& row = *event->GetRecordset();
        const std::string name = column;
        return name == "EndDate" ? row.m_EndDate : row.m_StartDate;
    }
};

TEST_F(QZEventScheduleTest, TheIntervalShowsInHoursWhenWholeElseInMinutes) {
    const struct {
        int stored;
        int unit;
        int count;
    } cases[] = {
        {90, QZEventSchedule::unitMinutes, 90},
        {120, QZEventSchedule::unitHours, 2},
        {0, QZEventSchedule::unitHours, 1},
        {32767, QZEventSchedule::unitMinutes, 32767},
    };
    LONG id = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        AddRow(Event(), id, "Nightly", "Occurrence, FrequencyMinutes",
               "4, " + std::to_string(c.stored));
        std::unique_ptr<QZVantrelEvent> event = Load(id++);
        QZEventSchedule schedule;
        schedule.Load(*event->GetRecordset(), Now());
        EXPECT_EQ(schedule.m_nUnit, c.unit);
        EXPECT_EQ(schedule.m_nCount, c.count);
        EXPECT_EQ(schedule.m_nMode, QZEventSchedule::modeInterval);
    }
}

TEST_F(QZEventScheduleTest, ANewEventShowsOnceTodayTomorrowAndTheDayWindowWithNoEnd) {
    AddRow(Event(), 1, "Fresh");
    std::unique_ptr<QZVantrelEvent> event = Load(1);
    QZEventSchedule schedule;
    schedule.Load(*event->GetRecordset(), Now());
    EXPECT_EQ(schedule.m_nMode, QZEventSchedule::modeOnce);
    EXPECT_EQ(schedule.m_StartDate, COleDateTime(2024, 3, 5, 0, 0, 0));
    EXPECT_EQ(schedule.m_OnceDate, COleDateTime(2024, 3, 6, 0, 0, 0));
    EXPECT_EQ(schedule.m_AtTime, Time(0, 1));
    EXPECT_EQ(schedule.m_WindowEnd, Time(23, 59));
    EXPECT_TRUE(schedule.m_bNoEndDate);
    EXPECT_EQ(schedule.m_nDayBits, 1);
    EXPECT_EQ(schedule.m_nWeekday, 1);
    EXPECT_EQ(schedule.m_nOrdinal, 0);
    EXPECT_EQ(schedule.m_nDayNumber, 1);
    EXPECT_EQ(schedule.m_strLastExecuted, CString());
    // Having no end date is the row's at once, not an edit.
    EXPECT_EQ(event->GetRecordset()->m_NoEndDate, 1);
}

TEST_F(QZEventScheduleTest, EachModeStoresItsOwnFields) {
    AddRow(Event(), 1, "Hourly");
    EXPECT_GT(Edit(1,
                   [](QZEventSchedule& s) {
                       s.m_nMode = QZEventSchedule::modeInterval;
                       s.m_nUnit = QZEventSchedule::unitHours;
                       s.m_nCount = 3;
                   }),
              0);
    EXPECT_EQ(Stored(1, "FrequencyMinutes"), 180);
    EXPECT_EQ(Stored(1, "Occurrence"), 4);
    EXPECT_EQ(Stored(1, "DailyFrequency"), 1);

    AddRow(Event(), 2, "Weekly");
    Edit(2, [](QZEventSchedule& s) {
        s.m_nMode = QZEventSchedule::modeWeekly;
        s.m_nDayBits = QZEventSchedule::kDayBits[1] | QZEventSchedule::kDayBits[5];
    });
    EXPECT_EQ(Stored(2, "DayOfWeek"), 34);

    AddRow(Event(), 3, "Monthly", "AbsoluteDay", "1");
    Edit(3, [](QZEventSchedule& s) {
        s.m_nMode = QZEventSchedule::modeMonthly;
        s.m_bByDay = FALSE;
        s.m_nOrdinal = 1; // "2nd"
        s.m_nWeekday = 2; // "Tuesday"
    });
    EXPECT_EQ(Stored(3, "AbsoluteDay"), 0);
    EXPECT_EQ(Stored(3, "OrdinalDay"), 1);
    EXPECT_EQ(Stored(3, "DayOfWeek"), 3);
    EXPECT_EQ(Stored(3, "Occurrence"), 3);
}

TEST_F(QZEventScheduleTest, OnceStoresItsDateAndNoEndDateTheZeroDate) {
    AddRow(Event(), 1, "Launch");
    Edit(1, [](QZEventSchedule& s) {
        s.m_nMode = QZEventSchedule::modeOnce;
        s.m_OnceDate = COleDateTime(2024, 4, 1, 9, 30, 0);
        s.m_EndDate = COleDateTime(2024, 12, 31, 0, 0, 0);
        s.m_bNoEndDate = TRUE;
    });
    EXPECT_EQ(StoredDate(1, "StartDate"), COleDateTime(2024, 4, 1, 9, 30, 0));
    EXPECT_EQ(StoredDate(1, "EndDate"), COleDateTime());
    EXPECT_EQ(Stored(1, "NoEndDate"), 1);

    Edit(1, [](QZEventSchedule& s) {
        s.m_nMode = QZEventSchedule::modeDaily;
        s.m_bNoEndDate = FALSE;
        s.m_EndDate = COleDateTime(2024, 12, 31, 0, 0, 0);
    });
    EXPECT_EQ(StoredDate(1, "EndDate"), COleDateTime(2024, 12, 31, 0, 0, 0));
    EXPECT_EQ(Stored(1, "NoEndDate"), 0);
}

TEST_F(QZEventScheduleTest, StoringWhatWasLoadedChangesNothing) {
    AddRow(Event(), 1, "Steady",
           "Occurrence, DayOfWeek, DayRepeat, OrdinalDay, AbsoluteDay, FrequencyMinutes, "
           "DailyFrequency",
           "3, 5, 12, 2, 1, 90, 1");
    // The first store writes the defaults the row lacked; from then on nothing differs.
    Edit(1, [](QZEventSchedule&) {});
    EXPECT_EQ(Edit(1, [](QZEventSchedule&) {}), 0);
    EXPECT_EQ(Stored(1, "DayOfWeek"), 5);
    EXPECT_EQ(Stored(1, "DayRepeat"), 12);
    EXPECT_EQ(Stored(1, "OrdinalDay"), 2);
    EXPECT_EQ(Stored(1, "FrequencyMinutes"), 90);
}

TEST_F(QZEventScheduleTest, AMonthlyEventWithNothingChosenInItsListsStoresSundayAndFirstUncounted) {
    AddRow(Event(), 1, "Monthly", "Occurrence, DayOfWeek, DailyFrequency", "3, 4, 1");
    Edit(1, [](QZEventSchedule&) {});
    EXPECT_EQ(Edit(1,
                   [](QZEventSchedule& s) {
                       s.m_nWeekday = -1;
                       s.m_nOrdinal = -1;
                   }),
              0);
    EXPECT_EQ(Stored(1, "DayOfWeek"), 1);
    EXPECT_EQ(Stored(1, "OrdinalDay"), 0);
}

TEST_F(QZEventScheduleTest, TheLastRunShowsInTheLongFormOrNotAtAll) {
    EXPECT_EQ(QZEventSchedule::LastExecutedText(COleDateTime()), CString());
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_EQ(QZEventSchedule::LastExecutedText(null), CString());
    EXPECT_EQ(QZEventSchedule::LastExecutedText(COleDateTime(1999, 3, 1, 14, 5, 0)),
              CString("Monday, March 01, 1999 14:05:00"));
}

TEST_F(QZEventScheduleTest, TheCountAllowsOneToTheMostMinutesAColumnHolds) {
    QZEventSchedule schedule;
    schedule.m_nUnit = QZEventSchedule::unitHours;
    EXPECT_EQ(schedule.MaxCount(), 546);
    schedule.m_nUnit = QZEventSchedule::unitMinutes;
    EXPECT_EQ(schedule.MaxCount(), 32767);
}
