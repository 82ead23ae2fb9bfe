#include "platform/ui/CView.h"

#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPaintDC.h"

IMPLEMENT_DYNCREATE(CView, CWnd)

BOOL CView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (pContext)
        m_pDocument = pContext->m_pCurrentDoc;
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnActivateView(BOOL, CView*, CView*) {}

void CView::OnDraw(CDC*) {}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}
