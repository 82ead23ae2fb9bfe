// The attribute forms of ad spaces, ads, advertisers, scheduled events, queries and e-mail
// messages.
#include "platform/ui/CComboBox.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/WindowStyles.h"
#include "res/AdEventViewIds.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

constexpr DWORD kForm = DS_SETFONT | WS_CHILD;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kHiddenLabel = WS_CHILD | SS_LEFT;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | 0x0080; // ES_AUTOHSCROLL
constexpr DWORD kHiddenEdit = WS_CHILD | WS_BORDER | WS_TABSTOP | 0x0080;
// ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN.
constexpr DWORD kHiddenMultiLine =
    WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VSCROLL | 0x0004 | 0x0040 | 0x1000;
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kSpin =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kRadio = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// The key, the title edit under its label, and the site list: the head of every form here.
#define MQ_FORM_HEAD(titleLabel)                                                                   \
    {IDC_STATIC, "Static", "Id:", kLabel, 7, 9, 45, 8},                                            \
        {IDC_FORM_IDENTIFIER, "Static", "", kLabel, 55, 9, 120, 8},                                \
        {IDC_STATIC, "Static", titleLabel, kLabel, 7, 26, 45, 8},                                  \
        {IDC_FORM_TITLE, "Edit", "", kEdit, 55, 24, 180, 12},                                      \
        {IDC_STATIC, "Static", "Site:", kLabel, 7, 43, 45, 8}, {                                   \
        IDC_FORM_SITE, "ComboBox", "", kList, 55, 41, 180, 100                                     \
    }

// A labelled edit of a form, one row below the last.
#define MQ_FIELD(label, id, y)                                                                     \
    {IDC_STATIC, "Static", label, kLabel, 7, (y) + 2, 45, 8}, {                                    \
        id, "Edit", "", kEdit, 55, y, 180, 12                                                      \
    }

// Row r (0 to 9) of the ad space: the ad, its percent and the percent's arrows. Only the first
// row's ad starts enabled.
#define MQ_AD_ROW(r)                                                                               \
    {IDC_ADSPACE_AD[r], "ComboBox", "", kList | ((r) == 0 ? 0 : WS_DISABLED), 7,                   \
     90 + 16 * (r),     180,        100},                                                          \
        {IDC_ADSPACE_PERCENT[r], "Edit", "", kEdit | WS_DISABLED, 195, 90 + 16 * (r), 30, 12}, {   \
        IDC_ADSPACE_SPIN[r], "msctls_updown32", "", kSpin | WS_DISABLED, 227, 90 + 16 * (r), 10,   \
            12                                                                                     \
    }

const DialogItemTemplate g_adSpaceItems[] = {
    MQ_FORM_HEAD("Name:"),
    {IDC_STATIC, "Static", "Total:", kLabel, 7, 60, 45, 8},
    {IDC_ADSPACE_TOTAL, "Static", "0", WS_CHILD | WS_VISIBLE | SS_RIGHT, 55, 60, 20, 8},
    {IDC_STATIC, "Static", "%", kLabel, 78, 60, 10, 8},
    {IDC_STATIC, "Static", "Ad", kLabel, 7, 78, 60, 8},
    {IDC_STATIC, "Static", "Percent", kLabel, 195, 78, 40, 8},
    MQ_AD_ROW(0),
    MQ_AD_ROW(1),
    MQ_AD_ROW(2),
    MQ_AD_ROW(3),
    MQ_AD_ROW(4),
    MQ_AD_ROW(5),
    MQ_AD_ROW(6),
    MQ_AD_ROW(7),
    MQ_AD_ROW(8),
    MQ_AD_ROW(9),
};

const DialogItemTemplate g_adItems[] = {
    MQ_FORM_HEAD("Name:"),
    {IDC_STATIC, "Static", "Advertiser:", kLabel, 7, 62, 45, 8},
    {IDC_AD_ADVERTISER, "ComboBox", "", kList, 55, 60, 180, 100},
    {IDC_STATIC, "Static", "Image:", kLabel, 7, 79, 45, 8},
    {IDC_AD_IMAGE, "ComboBox", "", kList, 55, 77, 180, 100},
    MQ_FIELD("URL:", IDC_AD_URL, 94),
    MQ_FIELD("Start Date:", IDC_AD_START, 111),
    MQ_FIELD("End Date:", IDC_AD_END, 128),
};

const DialogItemTemplate g_advertiserItems[] = {
    MQ_FORM_HEAD("Business:"),
    MQ_FIELD("First Name:", IDC_ADVERTISER_FIRST, 60),
    MQ_FIELD("Last Name:", IDC_ADVERTISER_LAST, 77),
    MQ_FIELD("Email:", IDC_ADVERTISER_EMAIL, 94),
    MQ_FIELD("Phone:", IDC_ADVERTISER_PHONE, 111),
};

// The schedule: the mode on the left, the mode's own controls in the group beside it (each
// mode shows only its own; they share the group's room), the duration below.
const DialogItemTemplate g_eventItems[] = {
    MQ_FORM_HEAD("Title:"),
    {IDC_STATIC, "Button", "Occurs", kGroup, 7, 60, 60, 84},
    {IDC_EVENT_ONCE, "Button", "&Once", kRadio | WS_GROUP, 14, 72, 48, 10},
    {IDC_EVENT_DAILY, "Button", "&Daily", kRadio, 14, 86, 48, 10},
    {IDC_EVENT_WEEKLY, "Button", "&Weekly", kRadio, 14, 100, 48, 10},
    {IDC_EVENT_MONTHLY, "Button", "&Monthly", kRadio, 14, 114, 48, 10},
    {IDC_EVENT_INTERVAL, "Button", "&Interval", kRadio, 14, 128, 48, 10},
    {IDC_EVENT_MODE_GROUP, "Button", "Once", kGroup, 74, 60, 206, 84},
    // Once.
    {IDC_EVENT_ON_LABEL, "Static", "On:", kLabel, 82, 74, 30, 8},
    {IDC_EVENT_ON, "Edit", "", kEdit, 115, 72, 100, 12},
    // Weekly.
    {IDC_EVENT_DAYS[0], "Button", "Sun", kCheck, 82, 72, 40, 10},
    {IDC_EVENT_DAYS[1], "Button", "Mon", kCheck, 126, 72, 40, 10},
    {IDC_EVENT_DAYS[2], "Button", "Tue", kCheck, 170, 72, 40, 10},
    {IDC_EVENT_DAYS[3], "Button", "Wed", kCheck, 214, 72, 40, 10},
    {IDC_EVENT_DAYS[4], "Button", "Thur", kCheck, 82, 86, 40, 10},
    {IDC_EVENT_DAYS[5], "Button", "Fri", kCheck, 126, 86, 40, 10},
    {IDC_EVENT_DAYS[6], "Button", "Sat", kCheck, 170, 86, 40, 10},
    // Monthly.
    {IDC_EVENT_BY_DAY, "Button", "Da&y", kRadio | WS_GROUP, 82, 74, 32, 10},
    {IDC_EVENT_DAY_NUMBER, "Edit", "", kEdit, 115, 72, 28, 12},
    {IDC_EVENT_DAY_SPIN, "msctls_updown32", "", kSpin, 145, 72, 10, 12},
    {IDC_EVENT_BY_ORDINAL, "Button", "&The", kRadio, 82, 92, 32, 10},
    {IDC_EVENT_ORDINAL, "ComboBox", "", kList, 115, 90, 45, 80},
    {IDC_EVENT_WEEKDAY, "ComboBox", "", kList, 165, 90, 70, 100},
    // Interval.
    {IDC_EVENT_COUNT, "Edit", "", kEdit, 82, 72, 36, 12},
    {IDC_EVENT_COUNT_SPIN, "msctls_updown32", "", kSpin, 120, 72, 10, 12},
    {IDC_EVENT_UNIT, "ComboBox", "", kList | CBS_SORT, 165, 72, 70, 60},
    {IDC_EVENT_WINDOW_START_LABEL, "Static", "Starting at:", kLabel, 82, 92, 45, 8},
    {IDC_EVENT_WINDOW_START, "Edit", "", kEdit, 130, 90, 80, 12},
    {IDC_EVENT_WINDOW_END_LABEL, "Static", "Ending at:", kLabel, 82, 108, 45, 8},
    {IDC_EVENT_WINDOW_END, "Edit", "", kEdit, 130, 106, 80, 12},
    // Once, daily, weekly and monthly.
    {IDC_EVENT_AT_LABEL, "Static", "At:", kLabel, 82, 126, 30, 8},
    {IDC_EVENT_AT, "Edit", "", kEdit, 115, 124, 80, 12},
    // The duration.
    {IDC_EVENT_DURATION, "Button", "Duration", kGroup, 7, 150, 273, 48},
    {IDC_EVENT_START_LABEL, "Static", "Start Date:", kLabel, 14, 164, 45, 8},
    {IDC_EVENT_START, "Edit", "", kEdit, 60, 162, 80, 12},
    {IDC_EVENT_HAS_END, "Button", "&End Date:", kRadio | WS_GROUP, 150, 164, 50, 10},
    {IDC_EVENT_END, "Edit", "", kEdit, 203, 162, 70, 12},
    {IDC_EVENT_NO_END, "Button", "&No End Date", kRadio, 150, 180, 70, 10},
    {IDC_STATIC, "Static", "Last Executed:", kLabel, 7, 208, 55, 8},
    {IDC_EVENT_LAST_EXECUTED, "Static", "", kLabel, 62, 208, 150, 8},
    {IDC_EVENT_CLEAR, "Button", "Clear", kButton, 230, 205, 50, 14},
};

// The query: its database files and the query or table; the DSN and the SQL code are carried
// but not shown.
const DialogItemTemplate g_queryItems[] = {
    MQ_FORM_HEAD("Title:"),
    {IDC_STATIC, "Static", "Database:", kLabel, 7, 62, 45, 8},
    {IDC_QUERY_DATABASE, "Edit", "", kEdit, 55, 60, 180, 12},
    {IDC_QUERY_DATABASE_BROWSE, "Button", "...", kButton, 238, 60, 16, 12},
    {IDC_STATIC, "Static", "Production DB:", kLabel, 7, 79, 48, 8},
    {IDC_QUERY_PRODUCTION, "Edit", "", kEdit, 55, 77, 180, 12},
    {IDC_QUERY_PRODUCTION_BROWSE, "Button", "...", kButton, 238, 77, 16, 12},
    {IDC_QUERY_IS_QUERY, "Button", "&Query", kRadio | WS_GROUP, 55, 96, 45, 10},
    {IDC_QUERY_IS_TABLE, "Button", "&Table", kRadio, 105, 96, 45, 10},
    {IDC_STATIC, "Static", "Query/Table:", kLabel, 7, 113, 45, 8},
    {IDC_QUERY_NAME, "Edit", "", kEdit, 55, 111, 180, 12},
    {IDC_QUERY_NAME_BROWSE, "Button", "...", kButton, 238, 111, 16, 12},
    {IDC_STATIC, "Static", "DSN:", kHiddenLabel, 7, 130, 45, 8},
    {IDC_QUERY_DSN, "Edit", "", kHiddenEdit, 55, 128, 180, 12},
    {IDC_STATIC, "Static", "SQL Code:", kHiddenLabel, 7, 147, 45, 8},
    {IDC_QUERY_SQL, "Edit", "", kHiddenMultiLine, 55, 145, 180, 50},
};

const DialogItemTemplate g_messageItems[] = {
    MQ_FORM_HEAD("Title:"),
    MQ_FIELD("To:", IDC_MESSAGE_TO, 60),
    MQ_FIELD("CC:", IDC_MESSAGE_CC, 77),
    MQ_FIELD("Subject:", IDC_MESSAGE_SUBJECT, 94),
    MQ_FIELD("From:", IDC_MESSAGE_FROM, 111),
    MQ_FIELD("Reply To:", IDC_MESSAGE_REPLY_TO, 128),
};

template <size_t N>
constexpr DialogTemplate Form(UINT id, short cx, short cy, const DialogItemTemplate (&items)[N]) {
    return {id, kForm, "", "MS Sans Serif", 8, 0, 0, cx, cy, items, static_cast<int>(N)};
}

const DialogTemplate g_forms[] = {
    Form(IDD_ADSPACE_VIEW, 250, 250, g_adSpaceItems),
    Form(IDD_AD_VIEW, 250, 148, g_adItems),
    Form(IDD_ADVERTISER_VIEW, 250, 131, g_advertiserItems),
    Form(IDD_EVENT_PROP_VIEW, 290, 226, g_eventItems),
    Form(IDD_QUERY_FORM, 265, 200, g_queryItems),
    Form(IDD_MESSAGE_FORM, 250, 148, g_messageItems),
};

} // namespace

std::span<const DialogTemplate> AdEventViewTemplates() {
    return g_forms;
}
