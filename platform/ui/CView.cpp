#include "platform/ui/CView.h"

#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPaintDC.h"

IMPLEMENT_DYNCREATE(CView, CWnd)

CView::~CView() {
    LeaveDocument();
}

BOOL CView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (pContext)
        m_pDocument = pContext->m_pCurrentDoc;
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext)) {
        m_pDocument = nullptr;
        return FALSE;
    }
    if (m_pDocument)
        m_pDocument->AddView(this);
    return TRUE;
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

void CView::OnDestroy() {
    CWnd::OnDestroy();
    LeaveDocument();
}

void CView::LeaveDocument() {
    // The document may close (and be deleted) when its last view leaves.
    if (CDocument* document = m_pDocument) {
        m_pDocument = nullptr;
        document->RemoveView(this);
    }
}
