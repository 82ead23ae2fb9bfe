#include "editors/QZPlaceholderView.h"

#include "platform/core/CRuntimeClass.h"
#include "platform/ui/CDC.h"

IMPLEMENT_DYNCREATE(QZPlaceholderView, CView)

void QZPlaceholderView::StandIn(const char* viewClass, const CString& caption) {
    m_strViewClass = viewClass;
    m_strCaption = caption;
    if (GetSafeHwnd())
        Invalidate();
}

void QZPlaceholderView::OnDraw(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(m_strCaption, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

BOOL IsEditorViewOf(const CWnd* pWnd, const char* viewClass) {
    if (!pWnd || !viewClass)
        return FALSE;
    if (const auto* standIn = dynamic_cast<const QZPlaceholderView*>(pWnd))
        return standIn->GetViewClass() == viewClass;
    const CRuntimeClass* wanted = CRuntimeClass::FromName(viewClass);
    return wanted && pWnd->GetRuntimeClass()->IsDerivedFrom(wanted);
}
