#include "editors/QZEventPropView.h"

#include "content/QZVantrelEvent.h"
#include "editors/QZCommandPropsDlg.h"
#include "editors/QZDocument.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/WindowMessages.h"
#include "res/AdEventViewIds.h"

#include <initializer_list>

IMPLEMENT_DYNCREATE(QZEventPropView, QZFormView)

namespace {

const UINT kModeRadios[] = {IDC_EVENT_ONCE, IDC_EVENT_DAILY, IDC_EVENT_WEEKLY, IDC_EVENT_MONTHLY,
                            IDC_EVENT_INTERVAL};
const char* const kModeCaptions[] = {"Once", "Daily", "Weekly", "Monthly", "Interval"};
const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

const std::initializer_list<UINT> kOnceControls = {IDC_EVENT_ON_LABEL, IDC_EVENT_ON};
const std::initializer_list<UINT> kAtControls = {IDC_EVENT_AT_LABEL, IDC_EVENT_AT};
const std::initializer_list<UINT> kMonthlyControls = {IDC_EVENT_BY_DAY,     IDC_EVENT_BY_ORDINAL,
                                                      IDC_EVENT_DAY_NUMBER, IDC_EVENT_DAY_SPIN,
                                                      IDC_EVENT_ORDINAL,    IDC_EVENT_WEEKDAY};
const std::initializer_list<UINT> kIntervalControls = {
    IDC_EVENT_COUNT,        IDC_EVENT_COUNT_SPIN,
    IDC_EVENT_UNIT,         IDC_EVENT_WINDOW_START_LABEL,
    IDC_EVENT_WINDOW_START, IDC_EVENT_WINDOW_END_LABEL,
    IDC_EVENT_WINDOW_END};
const std::initializer_list<UINT> kDurationControls = {IDC_EVENT_DURATION, IDC_EVENT_START_LABEL,
                                                       IDC_EVENT_START,    IDC_EVENT_HAS_END,
                                                       IDC_EVENT_NO_END,   IDC_EVENT_END};
// The spins bound only the arrows.
constexpr short kCountSpinHigh = 1000;
constexpr short kDaySpinHigh = 31;
// The day number's column holds a byte.
constexpr int kDayNumberHigh = 255;

// A date or time edit: an empty one is no date either.
void ExchangeDate(CDataExchange* pDX, UINT id, COleDateTime& value) {
    DDX_Text(pDX, static_cast<int>(id), value);
    if (pDX->m_bSaveAndValidate && value.GetStatus() != COleDateTime::valid)
        pDX->FailWith(DataExchangeMessage(AFX_IDP_PARSE_DATETIME));
}

void FillList(CComboBox& list, std::initializer_list<const char*> items) {
    if (!list.GetSafeHwnd() || list.GetCount() > 0)
        return;
    for (const char* item : items)
        list.AddString(item);
}

} // namespace

QZEventPropView::QZEventPropView() : QZFormView(IDD_EVENT_PROP_VIEW) {}

CEventsSet* QZEventPropView::Row() const {
    auto* event = dynamic_cast<QZVantrelEvent*>(GetObject());
    return event ? event->GetRecordset() : nullptr;
}

void QZEventPropView::AttachControls() {
    for (int mode = 0; mode < 5; ++mode) {
        if (!m_btnMode[mode].GetSafeHwnd())
            m_btnMode[mode].SubclassDlgItem(kModeRadios[mode], this);
    }
    const std::pair<CWnd*, UINT> controls[] = {
        {&m_btnByDay, IDC_EVENT_BY_DAY},   {&m_btnByOrdinal, IDC_EVENT_BY_ORDINAL},
        {&m_btnHasEnd, IDC_EVENT_HAS_END}, {&m_btnNoEnd, IDC_EVENT_NO_END},
        {&m_cbOrdinal, IDC_EVENT_ORDINAL}, {&m_cbWeekday, IDC_EVENT_WEEKDAY},
        {&m_cbUnit, IDC_EVENT_UNIT}};
    for (const auto& [control, id] : controls) {
        if (!control->GetSafeHwnd())
            control->SubclassDlgItem(id, this);
    }
    FillList(m_cbOrdinal, {kOrdinals[0], kOrdinals[1], kOrdinals[2], kOrdinals[3]});
    FillList(m_cbWeekday, {kWeekdays[0], kWeekdays[1], kWeekdays[2], kWeekdays[3], kWeekdays[4],
                           kWeekdays[5], kWeekdays[6]});
    // A sorted list: hours come first.
    FillList(m_cbUnit, {"Hour(s)", "Minute(s)"});
}

void QZEventPropView::OnInitialUpdate() {
    AttachControls();
    if (CEventsSet* row = Row())
        m_schedule.Load(*row, COleDateTime::GetCurrentTime());
    QZFormView::OnInitialUpdate();
    const std::pair<UINT, std::pair<int, short>> spins[] = {
        {IDC_EVENT_COUNT_SPIN, {m_schedule.m_nCount, kCountSpinHigh}},
        {IDC_EVENT_DAY_SPIN, {m_schedule.m_nDayNumber, kDaySpinHigh}}};
    for (const auto& [id, setting] : spins) {
        CSpinButtonCtrl spin;
        if (!spin.SubclassDlgItem(id, this))
            continue;
        spin.SetRange(0, setting.second);
        spin.SetPos(setting.first);
        spin.Detach();
    }
    ShowMode(m_schedule.m_nMode);
}

void QZEventPropView::DoDataExchange(CDataExchange* pDX) {
    QZFormView::DoDataExchange(pDX);
    ExchangeMode(pDX);
    ExchangeDates(pDX);
    ExchangeDays(pDX);
    ExchangeInterval(pDX);
    if (!pDX->m_bSaveAndValidate)
        DDX_Text(pDX, static_cast<int>(IDC_EVENT_LAST_EXECUTED), m_schedule.m_strLastExecuted);
}

void QZEventPropView::ExchangeMode(CDataExchange* pDX) {
    if (!pDX->m_bSaveAndValidate) {
        for (int mode = 0; mode < 5; ++mode)
            m_btnMode[mode].SetCheck(mode == m_schedule.m_nMode ? BST_CHECKED : BST_UNCHECKED);
        m_btnHasEnd.SetCheck(m_schedule.m_bNoEndDate ? BST_UNCHECKED : BST_CHECKED);
        m_btnNoEnd.SetCheck(m_schedule.m_bNoEndDate ? BST_CHECKED : BST_UNCHECKED);
        return;
    }
    // No mode chosen keeps the stored one.
    m_schedule.m_nMode = QZEventSchedule::modeNone;
    for (int mode = 0; mode < 5; ++mode) {
        if (IsChecked(m_btnMode[mode])) {
            m_schedule.m_nMode = mode;
            break;
        }
    }
    m_schedule.m_bNoEndDate = IsChecked(m_btnNoEnd);
}

void QZEventPropView::ExchangeDates(CDataExchange* pDX) {
    ExchangeDate(pDX, IDC_EVENT_ON, m_schedule.m_OnceDate);
    ExchangeDate(pDX, IDC_EVENT_AT, m_schedule.m_AtTime);
    ExchangeDate(pDX, IDC_EVENT_WINDOW_START, m_schedule.m_WindowStart);
    ExchangeDate(pDX, IDC_EVENT_WINDOW_END, m_schedule.m_WindowEnd);
    ExchangeDate(pDX, IDC_EVENT_START, m_schedule.m_StartDate);
    ExchangeDate(pDX, IDC_EVENT_END, m_schedule.m_EndDate);
}

void QZEventPropView::ExchangeDays(CDataExchange* pDX) {
    int bits = 0;
    for (int day = 0; day < 7; ++day) {
        int checked = (m_schedule.m_nDayBits & QZEventSchedule::kDayBits[day]) != 0;
        DDX_Check(pDX, static_cast<int>(IDC_EVENT_DAYS[day]), checked);
        if (checked)
            bits |= QZEventSchedule::kDayBits[day];
    }
    if (pDX->m_bSaveAndValidate)
        m_schedule.m_nDayBits = bits;
    if (pDX->m_bSaveAndValidate) {
        m_schedule.m_bByDay = IsChecked(m_btnByDay);
    } else {
        m_btnByDay.SetCheck(m_schedule.m_bByDay ? BST_CHECKED : BST_UNCHECKED);
        m_btnByOrdinal.SetCheck(m_schedule.m_bByDay ? BST_UNCHECKED : BST_CHECKED);
    }
    DDX_Text(pDX, static_cast<int>(IDC_EVENT_DAY_NUMBER), m_schedule.m_nDayNumber);
    DDV_MinMaxInt(pDX, m_schedule.m_nDayNumber, 0, kDayNumberHigh);
    ExchangeIndex(pDX, m_cbOrdinal, m_schedule.m_nOrdinal);
    ExchangeIndex(pDX, m_cbWeekday, m_schedule.m_nWeekday);
}

void QZEventPropView::ExchangeInterval(CDataExchange* pDX) {
    ExchangeIndex(pDX, m_cbUnit, m_schedule.m_nUnit);
    if (m_schedule.m_nUnit < 0)
        m_schedule.m_nUnit = QZEventSchedule::unitHours;
    DDX_Text(pDX, static_cast<int>(IDC_EVENT_COUNT), m_schedule.m_nCount);
    // Every mode stores the interval: it must be 1 to 32767 minutes.
    DDV_MinMaxInt(pDX, m_schedule.m_nCount, QZEventSchedule::kMinCount, m_schedule.MaxCount());
}

BOOL QZEventPropView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    CEventsSet* row = Row();
    QZDocument* document = GetEditorDocument();
    if (!row)
        return TRUE;
    m_schedule.Store(*row, [document] {
        if (document)
            document->SetModifiedFlag(TRUE);
    });
    return TRUE;
}

BOOL QZEventPropView::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (lParam == 0 || HIWORD(wParam) != BN_CLICKED)
        return QZFormView::OnCommand(wParam, lParam);
    for (int mode = 0; mode < 5; ++mode) {
        if (id == kModeRadios[mode]) {
            m_schedule.m_nMode = mode;
            ShowMode(mode);
            return TRUE;
        }
    }
    switch (id) {
    case IDC_EVENT_HAS_END:
    case IDC_EVENT_NO_END:
        OnEndDateRule();
        return TRUE;
    case IDC_EVENT_BY_DAY:
    case IDC_EVENT_BY_ORDINAL:
        OnDayRule();
        return TRUE;
    case IDC_EVENT_CLEAR:
        OnClear();
        return TRUE;
    default:
        return QZFormView::OnCommand(wParam, lParam);
    }
}

void QZEventPropView::ShowControl(UINT id, BOOL show) {
    if (CWnd* control = GetDlgItem(static_cast<int>(id))) {
        control->ShowWindow(show ? SW_SHOW : SW_HIDE);
        control->EnableWindow(show);
    }
}

void QZEventPropView::EnableControl(UINT id, BOOL enable) {
    if (CWnd* control = GetDlgItem(static_cast<int>(id)))
        control->EnableWindow(enable);
}

void QZEventPropView::ShowMode(int mode) {
    using Q = QZEventSchedule;
    if (CWnd* group = GetDlgItem(static_cast<int>(IDC_EVENT_MODE_GROUP)))
        group->SetWindowText(mode >= 0 && mode < 5 ? kModeCaptions[mode] : "");
    for (UINT id : kOnceControls)
        ShowControl(id, mode == Q::modeOnce);
    for (UINT id : kAtControls)
        ShowControl(id, mode >= Q::modeOnce && mode <= Q::modeMonthly);
    for (UINT id : IDC_EVENT_DAYS)
        ShowControl(id, mode == Q::modeWeekly);
    for (UINT id : kMonthlyControls)
        ShowControl(id, mode == Q::modeMonthly);
    for (UINT id : kIntervalControls)
        ShowControl(id, mode == Q::modeInterval);
    for (UINT id : kDurationControls)
        EnableControl(id, mode != Q::modeOnce);
    if (mode == Q::modeMonthly)
        OnDayRule();
    OnEndDateRule();
}

void QZEventPropView::OnEndDateRule() {
    const CWnd* duration = GetDlgItem(static_cast<int>(IDC_EVENT_DURATION));
    const BOOL open = IsChecked(m_btnHasEnd) && duration && duration->IsWindowEnabled();
    EnableControl(IDC_EVENT_END, open);
}

void QZEventPropView::OnDayRule() {
    const BOOL byDay = IsChecked(m_btnByDay);
    EnableControl(IDC_EVENT_DAY_NUMBER, byDay);
    EnableControl(IDC_EVENT_DAY_SPIN, byDay);
    EnableControl(IDC_EVENT_ORDINAL, !byDay);
    EnableControl(IDC_EVENT_WEEKDAY, !byDay);
}

void QZEventPropView::OnClear() {
    m_schedule.m_strLastExecuted.Empty();
    if (CWnd* label = GetDlgItem(static_cast<int>(IDC_EVENT_LAST_EXECUTED)))
        label->SetWindowText("");
    if (CEventsSet* row = Row())
        row->m_LastExecuted = COleDateTime();
    if (QZDocument* document = GetEditorDocument())
        document->SetModifiedFlag(TRUE);
}
