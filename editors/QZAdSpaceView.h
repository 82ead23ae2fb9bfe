#pragma once
// The ad space's form: ten rows, each an ad of the site (or "None") with its percent, and the
// running total of the percents. A row is open to a percent only while it has an ad, and an
// ad in one row opens the next. The total follows typing, counting what is no number as 0;
// the percents themselves are checked when saving, which first moves the ads up over the empty
// rows. The Save command warns when the percents do not make 100 and saves all the same.

#include "editors/QZAdSpaceRows.h"
#include "editors/QZBoundFormView.h"
#include "shell/QZListComboBoxes.h"

class QZVantrelAdSpace;

class QZAdSpaceView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZAdSpaceView)
public:
    static constexpr int kRows = QZAdSpaceRows::kRows;

    QZAdSpaceView();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

    // The total as last shown.
    int GetTotal() const { return m_nTotal; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnFileSave();

private:
    QZVantrelAdSpace* AdSpace() const;
    void FillRows();
    // Opens or closes row r (0 to 9) to its percent by whether it has an ad; a row without
    // one shows "None" and 0.
    void UpdateRow(int r);
    // The sum of the typed percents into the total's text.
    void RecomputeTotal();
    // The spins, the name limit, each row and the total shown; from then on edits count.
    void ShowFilledRows();
    // The rows with an ad moved up over the empty ones; TRUE when one moved.
    BOOL CloseGaps();

    QZAdComboBox m_cbAd[kRows];
    int m_nPercent[kRows] = {};
    QZKeyCombo m_AdKey[kRows];
    int m_nTotal = 0;
    BOOL m_bInitialized = FALSE;

    DECLARE_MESSAGE_MAP()
};
