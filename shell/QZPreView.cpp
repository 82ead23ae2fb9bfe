#include "shell/QZPreView.h"

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/WindowStyles.h"
#include "shell/QZFrameServices.h"

IMPLEMENT_DYNCREATE(QZPreView, CFormView)

QZPreView::QZPreView() : CFormView(IDD_PREVIEW) {}

QZPreView::~QZPreView() {
    m_wndViewer.DestroyWindow();
    DestroyWindow();
}

BOOL QZPreView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (!CFormView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    // Without a viewer the view stays empty: navigating and sizing do nothing.
    CRect client;
    GetClientRect(&client);
    if (m_wndViewer.Create(nullptr, WS_CHILD | WS_VISIBLE, client, this, IDC_HTML_VIEWER))
        m_wndViewer.SetEventSink(this);
    return TRUE;
}

void QZPreView::Navigate(LPCTSTR lpszText) {
    if (!m_wndViewer.GetSafeHwnd() || !lpszText || !*lpszText)
        return;
    m_wndViewer.SetBaseText("");
    m_wndViewer.OpenAddress(lpszText, 0);
}

void QZPreView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrameOf(this)) {
        frame->RecalcLayout();
        ResizeParentToFit();
    }
}

BOOL QZPreView::OnBeforeNavigate(const CString&) {
    return TRUE;
}

void QZPreView::OnStatusText(const CString& text, BOOL bShow) {
    if (QZFrameServices* services = GetFrameServices())
        services->SetStatusPaneText(0, bShow ? static_cast<LPCTSTR>(text) : "");
}

void QZPreView::OnSize(UINT nType, int cx, int cy) {
    CFormView::OnSize(nType, cx, cy);
    if (m_wndViewer.GetSafeHwnd()) {
        m_wndViewer.MoveWindow(0, 0, cx, cy);
        m_wndViewer.Invalidate();
    }
}
