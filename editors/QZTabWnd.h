#pragma once
// The tab window that fills every editor frame, one tab per view of the object's editor.
// Before the user leaves a tab, the view being left stores its fields into the object and may
// refuse the switch (its tab stays selected); choosing the "Preview" tab makes the document
// generate its preview first, and when that fails the editor returns to its first tab.

#include "wintoolkit/tabs/SECTabWnd.h"

class QZTabWnd : public SECTabWnd {
    DECLARE_DYNCREATE(QZTabWnd)
public:
    QZTabWnd() = default;

protected:
    // Notice 2024: the tab at wParam was chosen.
    LRESULT OnTabSelect(WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT SelectPreview(WPARAM wParam, LPARAM lParam);
    // Selects a tab without asking any view (to put the selection back).
    void SelectQuietly(int nIndex);

    BOOL m_bQuiet = FALSE;
};
