#pragma once
// The Publish Objects dialog: the objects of the selected site marked for publishing, each
// checked, which the user narrows with the check boxes or widens with "Mark All in Site"
// before the publishing engine copies the checked ones to production. The dialog is the
// engine's abort flag: Cancel (and the close box) during a run sets it. While a run or a mark
// is on, "Mark All in Site" and "Publish" are disabled, since refilling the list would free
// the list the engine walks.

#include "content/QZPublishAbortFlag.h"
#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"
#include "platform/ui/CDialog.h"
#include "shell/QZPublishCheckListBox.h"

#include <cstdint>

class QZPublishView : public CDialog, public QZPublishAbortFlag {
    DECLARE_DYNCREATE(QZPublishView)
public:
    explicit QZPublishView(CWnd* pParent = nullptr);
    ~QZPublishView() override;

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    // Lists the site's objects marked for publishing, each checked. Engine errors pass on.
    void FillPublishList();
    void ClearPublishList();

    QZPublishCheckListBox m_CheckList;
    // One item per line of the check list, in line order.
    QZNameAndKeyList* m_pObjectList = nullptr;
    int32_t m_bRunning = 0;
    QZKeyCombo m_ServiceKey;

protected:
    BOOL OnInitDialog() override;
    // During a run: abort it, leaving the dialog open.
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    void OnMarkAll();
    void OnCheckAll(int check);
    void OnPublish();
    // Marks every object of the site for publishing, all or none; FALSE after an engine error.
    BOOL MarkAllInSite();
    // Runs the engine on the checked objects, logging an error that escapes it.
    void RunEngine();
    // Drops the items whose lines are unchecked.
    void DropUnchecked();
    void SetItemText(UINT id, LPCTSTR text);
    void EnableItem(UINT id, BOOL enable);
};
