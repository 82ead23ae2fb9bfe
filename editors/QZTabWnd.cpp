#include "editors/QZTabWnd.h"

#include "content/QZVantrelTemplate.h"
#include "editors/QZDocument.h"
#include "editors/QZObjectView.h"
#include "editors/QZPlaceholderView.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

IMPLEMENT_DYNCREATE(QZTabWnd, SECTabWnd)

namespace {

CView* ActiveViewOf(const CWnd* tabs) {
    CFrameWnd* frame = GetParentFrameOf(tabs);
    return frame ? frame->GetActiveView() : nullptr;
}

} // namespace

LRESULT QZTabWnd::OnTabSelect(WPARAM wParam, LPARAM lParam) {
    if (m_bQuiet)
        return SECTabWnd::OnTabSelect(wParam, lParam);
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* client = nullptr;
    DWORD extra = 0;
    GetTabInfo(static_cast<int>(wParam), label, selected, client, extra);
    if (IsEditorViewOf(client, "QZPreView"))
        return SelectPreview(wParam, lParam);

    CView* leaving = ActiveViewOf(this);
    auto* objectView = dynamic_cast<QZObjectView*>(leaving);
    if (objectView && objectView->IsTextView()) {
        auto* document = dynamic_cast<QZDocument*>(leaving->GetDocument());
        objectView->StoreText(
            document ? dynamic_cast<QZVantrelTemplate*>(document->GetContentObject()) : nullptr);
    } else if (objectView && !objectView->SaveToObject()) {
        int index = 0;
        if (FindTab(leaving, index)) {
            ScrollToTab(index);
            SelectQuietly(index);
            return 0;
        }
    }
    return SECTabWnd::OnTabSelect(wParam, lParam);
}

LRESULT QZTabWnd::SelectPreview(WPARAM wParam, LPARAM lParam) {
    SetCapture();
    CWinApp* app = AfxGetApp();
    if (app)
        app->BeginWaitCursor();
    CView* view = ActiveViewOf(this);
    auto* document = view ? dynamic_cast<QZDocument*>(view->GetDocument()) : nullptr;
    if (!document || document->Preview()) {
        SECTabWnd::OnTabSelect(wParam, lParam);
    } else {
        SelectQuietly(0);
        ScrollToTab(0);
    }
    if (app)
        app->EndWaitCursor();
    ReleaseCapture();
    return 0;
}

void QZTabWnd::SelectQuietly(int nIndex) {
    m_bQuiet = TRUE;
    int current = -1;
    if (m_pTabCtrl->GetActiveTab(current) && current == nIndex)
        SECTabWnd::OnTabSelect(static_cast<WPARAM>(nIndex), 0);
    else
        m_pTabCtrl->ActivateTab(nIndex);
    m_bQuiet = FALSE;
}
