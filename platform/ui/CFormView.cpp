#include "platform/ui/CFormView.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogContents.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFormView, CView)

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    const DialogTemplate* dialog = DialogTemplates::Lookup(m_nIDTemplate);
    if (!dialog || !CView::Create(lpszClassName, lpszWindowName, dwStyle & ~WS_VISIBLE, rect,
                                  pParentWnd, nID, pContext))
        return FALSE;
    if (!DialogContents::Fill(*this, *dialog)) {
        DestroyWindow();
        return FALSE;
    }
    CRect client;
    GetClientRect(&client);
    m_sizeTemplate = client.Size();
    // The frame gives the view its place; the template only gave its first size.
    if (rect.right > rect.left && rect.bottom > rect.top)
        MoveWindow(&rect, FALSE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOW);
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
}

BOOL CFormView::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeRefused&) {
        return FALSE;
    }
    return TRUE;
}

void CFormView::DoDataExchange(CDataExchange*) {}

BOOL CFormView::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CView::OnCommand(wParam, lParam))
        return TRUE;
    if (lParam == 0 || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    CFrameWnd* frame = GetParentFrameOf(this);
    return frame && frame->OnCmdMsg(LOWORD(wParam), CN_COMMAND, nullptr, nullptr);
}

void CFormView::ResizeParentToFit(BOOL bShrinkOnly) {
    CFrameWnd* frame = GetParentFrameOf(this);
    if (!frame || !GetSafeHwnd())
        return;
    CRect view;
    GetWindowRect(&view);
    CRect outer;
    frame->GetWindowRect(&outer);
    // The frame changes by what the view lacks of (or has beyond) the template's size.
    int cx = outer.Width() + m_sizeTemplate.cx - view.Width();
    int cy = outer.Height() + m_sizeTemplate.cy - view.Height();
    if (bShrinkOnly) {
        cx = std::min(cx, outer.Width());
        cy = std::min(cy, outer.Height());
    }
    frame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
