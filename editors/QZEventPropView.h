#pragma once
// The scheduled event's schedule form: when the event runs (once, daily, weekly, monthly or at
// an interval), the period it runs in, and when it last ran. Each mode shows only its own
// controls; the values of the hidden ones are kept and saved. The schedule's own rules (what
// an unset date shows, how each mode is stored) are QZEventSchedule's.

#include "editors/QZEventSchedule.h"
#include "editors/QZFormView.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"

class CEventsSet;

class QZEventPropView : public QZFormView {
    DECLARE_DYNCREATE(QZEventPropView)
public:
    QZEventPropView();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;

    const QZEventSchedule& GetSchedule() const { return m_schedule; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Shows the mode's controls and hides the others'; the period is greyed for "Once".
    void ShowMode(int mode);
    // The end date is open only while "End Date:" is chosen.
    void OnEndDateRule();
    // "Day" opens the day number, "The" the ordinal and weekday lists.
    void OnDayRule();
    // Forgets when the event last ran: an edit of the event.
    void OnClear();

private:
    CEventsSet* Row() const;
    void AttachControls();
    void ExchangeMode(CDataExchange* pDX);
    void ExchangeDates(CDataExchange* pDX);
    void ExchangeDays(CDataExchange* pDX);
    void ExchangeInterval(CDataExchange* pDX);
    void ShowControl(UINT id, BOOL show);
    void EnableControl(UINT id, BOOL enable);
    BOOL IsChecked(const CButton& button) const { return button.GetCheck() == BST_CHECKED; }

    QZEventSchedule m_schedule;
    CButton m_btnMode[5];
    CButton m_btnByDay;
    CButton m_btnByOrdinal;
    CButton m_btnHasEnd;
    CButton m_btnNoEnd;
    CComboBox m_cbOrdinal;
    CComboBox m_cbWeekday;
    CComboBox m_cbUnit;
};
