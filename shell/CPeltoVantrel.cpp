#include "shell/CPeltoVantrel.h"

#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNAMIC(CPeltoVantrel, CWnd)

CPeltoVantrel::CPeltoVantrel() = default;

CPeltoVantrel::~CPeltoVantrel() {
    CPeltoVantrel::DestroyWindow();
}

BOOL CPeltoVantrel::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID) {
    if (GetSafeHwnd() || !pParentWnd || !pParentWnd->GetSafeHwnd())
        return FALSE;
    m_pViewer = HtmlViewer::Create(pParentWnd->GetSafeHwnd(), nID, rect);
    if (!m_pViewer || !m_pViewer->GetWindow() || !Attach(m_pViewer->GetWindow())) {
        m_pViewer.reset();
        return FALSE;
    }
    if (lpszWindowName)
        SetLocation(lpszWindowName);
    ShowWindow((dwStyle & WS_VISIBLE) ? SW_SHOW : SW_HIDE);
    return TRUE;
}

BOOL CPeltoVantrel::DestroyWindow() {
    const BOOL destroyed = CWnd::DestroyWindow();
    m_pViewer.reset();
    return destroyed;
}

void CPeltoVantrel::SetLocation(LPCTSTR lpszLocation) {
    if (HtmlViewer* viewer = GetViewer())
        viewer->SetLocation(lpszLocation);
}

short CPeltoVantrel::SetBaseText(LPCTSTR lpszBase) {
    HtmlViewer* viewer = GetViewer();
    return viewer ? viewer->SetBaseText(lpszBase) : 0;
}

short CPeltoVantrel::OpenAddress(LPCTSTR lpszAddress, short nFlags) {
    HtmlViewer* viewer = GetViewer();
    return viewer ? viewer->OpenAddress(lpszAddress, nFlags) : 1;
}

void CPeltoVantrel::SetEventSink(HtmlViewerEvents* sink) {
    if (HtmlViewer* viewer = GetViewer())
        viewer->SetEvents(sink);
}

HtmlViewer* CPeltoVantrel::GetViewer() const {
    // The viewer's window may have gone with its parent's.
    return GetSafeHwnd() ? m_pViewer.get() : nullptr;
}
