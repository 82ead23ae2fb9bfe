#include "editors/QZBoundFormView.h"

#include "editors/QZDocument.h"
#include "res/ImageViewResources.h"
#include "shell/QZDirectoryEdit.h"

IMPLEMENT_DYNAMIC(QZBoundFormView, QZFormView)

QZBoundFormView::QZBoundFormView(UINT nIDTemplate) : QZFormView(nIDTemplate) {}

BOOL QZBoundFormView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    return m_binding.Store(GetEditorDocument(), this);
}

void QZBoundFormView::DoDataExchange(CDataExchange* pDX) {
    QZFormView::DoDataExchange(pDX);
    m_binding.Exchange(pDX);
}

void QZBoundFormView::InitBoundControls(int titleLimit, QZDirectoryEdit* directory) {
    m_binding.InitSpins(this);
    QZFormView::OnInitialUpdate();
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(titleLimit);
    if (directory && GetDlgItem(IDC_ATTR_DIRECTORY) && !directory->GetSafeHwnd())
        directory->SubclassDlgItem(IDC_ATTR_DIRECTORY, this);
}
