#pragma once
// What the sixteen editor frames share: a worksheet of the workbook, maximised in the main
// window, whose whole client area is one QZTabWnd with a tab for each view of its row of
// QZEditorTabs, in order. A view class not built yet is stood in for by a QZPlaceholderView.
// The frame owns the views its tabs made.

#include "editors/QZTabWnd.h"
#include "wintoolkit/workbook/SECWorksheet.h"

#include <vector>

struct QZEditorFrameTabs;

class QZChildFrame : public SECWorksheet {
    DECLARE_DYNAMIC(QZChildFrame)
public:
    ~QZChildFrame() override;

    // Every editor opens maximised, with the document's title in its caption.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The editor's tabs; the New commands and the site browser choose a tab by its position.
    QZTabWnd m_wndTab;

protected:
    explicit QZChildFrame(const char* frameClass);
    // The tab window and its tabs, the first one active and scrolled to.
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

private:
    void AddTabs(CCreateContext* pContext);

    const QZEditorFrameTabs* m_pTabs;
    std::vector<CWnd*> m_views;
};
