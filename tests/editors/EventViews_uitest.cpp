// The scheduled event's editor on the fixture site: the schedule form shows each mode's own
// controls, loads and stores the schedule, refuses an interval outside 1 to 32767 minutes and
// a date that is none, and Clear forgets the last run.

#include "editors/QZEventPropView.h"
#include "res/AdEventViewIds.h"
#include "tests/editors/AttributeFormFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

using Boxes = std::vector<std::string>;

const EditorKind& Event() {
    for (const EditorKind& kind : EditorKinds()) {
        if (kind.type == OBJ_EVENT)
            return kind;
    }
    throw std::out_of_range("event");
}

// A fully stored weekly schedule: nothing of it differs from what the form shows.
const char* const kStoredColumns =
    "ServiceDbID, ServiceID, Occurrence, StartDate, EndDate, NoEndDate, DailyStartTime, "
    "DailyEndTime, DailyFrequency, FrequencyMinutes, DayOfWeek, AbsoluteDay, DayRepeat, "
    "OrdinalDay, LastExecuted";
const char* const kStoredValues =
    "5, 10, 2, '2024-03-01 00:00:00', '2024-12-31 00:00:00', 0, '1899-12-30 08:30:00', "
    "'1899-12-30 23:59:00', 1, 120, 34, 0, 1, 0, '2024-03-04 06:00:00'";

const std::initializer_list<UINT> kOnce = {IDC_EVENT_ON};
const std::initializer_list<UINT> kAt = {IDC_EVENT_AT};
const std::initializer_list<UINT> kWeekly = {IDC_EVENT_DAYS[0], IDC_EVENT_DAYS[6]};
const std::initializer_list<UINT> kMonthly = {IDC_EVENT_BY_DAY, IDC_EVENT_DAY_NUMBER,
                                              IDC_EVENT_WEEKDAY};
const std::initializer_list<UINT> kInterval = {IDC_EVENT_COUNT, IDC_EVENT_UNIT,
                                               IDC_EVENT_WINDOW_START, IDC_EVENT_WINDOW_END};

} // namespace

class EventViewsTest : public AttributeFormTest {
protected:
    QZEventPropView* OpenSchedule(LONG id) {
        return OpenForm<QZEventPropView>(OBJ_EVENT, id, "QZEventPropView");
    }
    LONG Stored(LONG id, const char* column) { return NumberOf(Event(), id, column); }
    void Save() { ActiveDocument()->SaveObject(); }
};

TEST_F(EventViewsTest, TheIntervalShowsInWholeHoursElseInMinutes) {
    const struct {
        int stored;
        const char* count;
        const char* unit;
    } cases[] = {{90, "90", "Minute(s)"}, {120, "2", "Hour(s)"}, {0, "1", "Hour(s)"}};
    LONG id = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        AddKindRow(Event(), id, "Tick", "ServiceDbID, ServiceID, Occurrence, FrequencyMinutes",
                   "5, 10, 4, " + std::to_string(c.stored));
        ASSERT_NE(OpenSchedule(id++), nullptr);
        EXPECT_TRUE(Checked(IDC_EVENT_INTERVAL));
        EXPECT_EQ(TextOf(IDC_EVENT_COUNT), c.count);
        EXPECT_EQ(Selected(IDC_EVENT_UNIT), c.unit);
        CloseAll();
    }
}

TEST_F(EventViewsTest, ANewEventShowsOnceFromTomorrowWithTheDayWindowAndNoEnd) {
    AddKindRow(Event(), 1, "Fresh", "ServiceDbID, ServiceID", "5, 10");
    ASSERT_NE(OpenSchedule(1), nullptr);
    EXPECT_TRUE(Checked(IDC_EVENT_ONCE));
    EXPECT_EQ(TextOf(IDC_EVENT_MODE_GROUP), "Once");
    EXPECT_EQ(TextOf(IDC_EVENT_ON), "3/6/2024");
    EXPECT_EQ(TextOf(IDC_EVENT_START), "3/5/2024");
    EXPECT_EQ(TextOf(IDC_EVENT_AT), "12:01:00 AM");
    EXPECT_EQ(TextOf(IDC_EVENT_WINDOW_END), "11:59:00 PM");
    EXPECT_TRUE(Checked(IDC_EVENT_NO_END));
    EXPECT_TRUE(Checked(IDC_EVENT_DAYS[0]));
    EXPECT_EQ(Selected(IDC_EVENT_WEEKDAY), "Monday");
    EXPECT_EQ(Selected(IDC_EVENT_ORDINAL), "1st");
    EXPECT_EQ(TextOf(IDC_EVENT_LAST_EXECUTED), "");
    // "Once" greys the duration.
    EXPECT_FALSE(Enabled(IDC_EVENT_START));
    EXPECT_FALSE(Enabled(IDC_EVENT_END));
}

TEST_F(EventViewsTest, EachModeShowsOnlyItsOwnControls) {
    AddKindRow(Event(), 1, "Modes", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    const struct {
        UINT radio;
        const char* caption;
        std::vector<std::initializer_list<UINT>> shown;
        std::vector<std::initializer_list<UINT>> hidden;
    } modes[] = {
        {IDC_EVENT_ONCE, "Once", {kOnce, kAt}, {kWeekly, kMonthly, kInterval}},
        {IDC_EVENT_DAILY, "Daily", {kAt}, {kOnce, kWeekly, kMonthly, kInterval}},
        {IDC_EVENT_WEEKLY, "Weekly", {kWeekly, kAt}, {kOnce, kMonthly, kInterval}},
        {IDC_EVENT_MONTHLY, "Monthly", {kMonthly, kAt}, {kOnce, kWeekly, kInterval}},
        {IDC_EVENT_INTERVAL, "Interval", {kInterval}, {kOnce, kAt, kWeekly, kMonthly}},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.caption);
        Choose(mode.radio);
        EXPECT_EQ(TextOf(IDC_EVENT_MODE_GROUP), mode.caption);
        for (const auto& group : mode.shown) {
            for (UINT id : group)
                EXPECT_TRUE(Shown(id)) << id;
        }
        for (const auto& group : mode.hidden) {
            for (UINT id : group)
                EXPECT_FALSE(Shown(id)) << id;
        }
        EXPECT_EQ(Enabled(IDC_EVENT_START), mode.radio != IDC_EVENT_ONCE);
    }
    // The end date is open only with "End Date:" chosen.
    EXPECT_TRUE(Enabled(IDC_EVENT_END));
    Choose(IDC_EVENT_NO_END);
    EXPECT_FALSE(Enabled(IDC_EVENT_END));
    // "Day" opens the day number, "The" the lists.
    Choose(IDC_EVENT_MONTHLY);
    Choose(IDC_EVENT_BY_DAY);
    EXPECT_TRUE(Enabled(IDC_EVENT_DAY_NUMBER));
    EXPECT_FALSE(Enabled(IDC_EVENT_WEEKDAY));
    Choose(IDC_EVENT_BY_ORDINAL);
    EXPECT_FALSE(Enabled(IDC_EVENT_DAY_NUMBER));
    EXPECT_TRUE(Enabled(IDC_EVENT_ORDINAL));
}

TEST_F(EventViewsTest, AStoredScheduleShowsAsItIsAndAnUnchangedSaveMarksNothing) {
    AddKindRow(Event(), 1, "Weekly", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    EXPECT_TRUE(Checked(IDC_EVENT_WEEKLY));
    EXPECT_TRUE(Checked(IDC_EVENT_DAYS[1]));
    EXPECT_TRUE(Checked(IDC_EVENT_DAYS[5]));
    EXPECT_FALSE(Checked(IDC_EVENT_DAYS[0]));
    EXPECT_EQ(TextOf(IDC_EVENT_AT), "8:30:00 AM");
    EXPECT_EQ(TextOf(IDC_EVENT_END), "12/31/2024");
    EXPECT_TRUE(Checked(IDC_EVENT_HAS_END));
    EXPECT_EQ(TextOf(IDC_EVENT_LAST_EXECUTED), "Monday, March 04, 2024 06:00:00");
    EXPECT_FALSE(StoreMarks());
}

TEST_F(EventViewsTest, EachModeIsStoredFromTheForm) {
    AddKindRow(Event(), 1, "Hourly", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    Choose(IDC_EVENT_INTERVAL);
    Type(IDC_EVENT_COUNT, "3");
    Pick(IDC_EVENT_UNIT, "Hour(s)");
    EXPECT_TRUE(StoreMarks());
    Save();
    EXPECT_EQ(Stored(1, "Occurrence"), 4);
    EXPECT_EQ(Stored(1, "FrequencyMinutes"), 180);

    Choose(IDC_EVENT_WEEKLY);
    Tick(IDC_EVENT_DAYS[1], true);
    Tick(IDC_EVENT_DAYS[5], true);
    Tick(IDC_EVENT_DAYS[3], true);
    Tick(IDC_EVENT_DAYS[3], false);
    Save();
    EXPECT_EQ(Stored(1, "DayOfWeek"), 34);

    Choose(IDC_EVENT_MONTHLY);
    Choose(IDC_EVENT_BY_ORDINAL);
    Pick(IDC_EVENT_ORDINAL, "2nd");
    Pick(IDC_EVENT_WEEKDAY, "Tuesday");
    Save();
    EXPECT_EQ(Stored(1, "AbsoluteDay"), 0);
    EXPECT_EQ(Stored(1, "OrdinalDay"), 1);
    EXPECT_EQ(Stored(1, "DayOfWeek"), 3);

    Choose(IDC_EVENT_NO_END);
    Save();
    EXPECT_EQ(Stored(1, "NoEndDate"), 1);
    EXPECT_EQ(Stored(1, "EndDate"), 0);
    EXPECT_EQ(m_boxes.texts(), Boxes{});
}

TEST_F(EventViewsTest, AnIntervalOutsideOneTo32767MinutesIsRefused) {
    AddKindRow(Event(), 1, "Tick", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    Choose(IDC_EVENT_INTERVAL);
    const struct {
        const char* count;
        const char* unit;
        const char* refusal; // empty: taken
        int minutes;
    } cases[] = {
        {"0", "Hour(s)", "Please enter an integer between 1 and 546.", 0},
        {"547", "Hour(s)", "Please enter an integer between 1 and 546.", 0},
        {"546", "Hour(s)", "", 32760},
        {"0", "Minute(s)", "Please enter an integer between 1 and 32767.", 0},
        {"32768", "Minute(s)", "Please enter an integer between 1 and 32767.", 0},
        {"32767", "Minute(s)", "", 32767},
        {"x", "Minute(s)", "Please enter an integer.", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.count) + " " + c.unit);
        m_boxes.Clear();
        const LONG before = Stored(1, "FrequencyMinutes");
        Type(IDC_EVENT_COUNT, c.count);
        Pick(IDC_EVENT_UNIT, c.unit);
        if (*c.refusal) {
            EXPECT_FALSE(m_form->SaveToObject());
            EXPECT_EQ(m_boxes.texts(), Boxes{c.refusal});
            ActiveDocument()->SetModifiedFlag(FALSE);
            EXPECT_EQ(Stored(1, "FrequencyMinutes"), before);
        } else {
            Save();
            EXPECT_EQ(m_boxes.texts(), Boxes{});
            EXPECT_EQ(Stored(1, "FrequencyMinutes"), c.minutes);
        }
    }
}

TEST_F(EventViewsTest, ADateOrTimeThatIsNoneIsRefusedAndNothingIsStored) {
    AddKindRow(Event(), 1, "Weekly", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    for (const char* typed : {"soon", ""}) {
        SCOPED_TRACE(typed);
        m_boxes.Clear();
        Type(IDC_FORM_TITLE, "Renamed");
        Type(IDC_EVENT_AT, typed);
        EXPECT_FALSE(m_form->SaveToObject());
        EXPECT_EQ(m_boxes.texts(), Boxes{"Please enter a date and/or time."});
        EXPECT_EQ(ActiveDocument()->GetContentObject()->GetName(), CString("Weekly"));
    }
    Type(IDC_EVENT_AT, "9:15 PM");
    Save();
    EXPECT_EQ(NameOf(Event(), 1), "Renamed");
}

TEST_F(EventViewsTest, ClearForgetsTheLastRunAndMarksTheEvent) {
    AddKindRow(Event(), 1, "Weekly", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    ActiveDocument()->SetModifiedFlag(FALSE);
    Press(IDC_EVENT_CLEAR);
    EXPECT_EQ(TextOf(IDC_EVENT_LAST_EXECUTED), "");
    EXPECT_TRUE(ActiveDocument()->IsModified());
    Save();
    EXPECT_EQ(Stored(1, "LastExecuted"), 0);
}

TEST_F(EventViewsTest, OnlyTheChosenTabsViewShows) {
    AddKindRow(Event(), 1, "Weekly", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    QZDocument* document = ActiveDocument();
    const char* views[] = {"QZEventView", "QZEventPropView", "QZStatusForm"};
    for (int chosen = 0; chosen < 3; ++chosen) {
        ActiveFrame()->m_wndTab.GetTabControl()->ActivateTab(chosen);
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_EQ(document->FindView(views[tab])->IsWindowVisible(), tab == chosen)
                << views[tab] << " with tab " << chosen << " chosen";
    }
}

TEST_F(EventViewsTest, ADayNumberOutsideItsByteIsRefused) {
    AddKindRow(Event(), 1, "Monthly", kStoredColumns, kStoredValues);
    ASSERT_NE(OpenSchedule(1), nullptr);
    Choose(IDC_EVENT_MONTHLY);
    Choose(IDC_EVENT_BY_DAY);
    Type(IDC_EVENT_DAY_NUMBER, "256");
    EXPECT_FALSE(m_form->SaveToObject());
    EXPECT_EQ(m_boxes.texts(), Boxes{"Please enter an integer between 0 and 255."});
    ActiveDocument()->SetModifiedFlag(FALSE);
    Type(IDC_EVENT_DAY_NUMBER, "15");
    Save();
    EXPECT_EQ(Stored(1, "DayRepeat"), 15);
    EXPECT_EQ(Stored(1, "AbsoluteDay"), 1);
    EXPECT_EQ(Stored(1, "Occurrence"), 3);
}
