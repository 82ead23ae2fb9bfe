#include "shell/QZServiceForm.h"

#include "content/QZService.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "res/Resource.h"

QZServiceForm::QZServiceForm(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_Key(0, 0, OBJ_SERVICE) {
    AddPage(&m_SitePage);
    AddPage(&m_PubPage);
    AddPage(&m_StatusPage);
}

QZServiceForm::~QZServiceForm() = default;

BOOL QZServiceForm::OnInitDialog() {
    try {
        if (!m_pService) {
            if (IsNewSite())
                m_pService = std::make_unique<QZService>();
            else
                m_pService = std::make_unique<QZService>(m_Key, TRUE);
        }
    } catch (CDaoException* e) {
        // Without its site the sheet does not show.
        AfxMessageBox(CaughtDaoError(e).Message());
        return FALSE;
    }
    m_SitePage.SetService(m_pService.get());
    m_PubPage.SetService(m_pService.get());
    m_StatusPage.SetService(m_pService.get());
    const BOOL shown = CPropertySheet::OnInitDialog();
    if (IsNewSite()) {
        for (UINT id : {IDC_SVC_STYLE, IDC_SVC_STYLE_LABEL}) {
            if (CWnd* item = m_SitePage.GetDlgItem(id))
                item->EnableWindow(FALSE);
        }
    }
    return shown;
}

INT_PTR QZServiceForm::DoModal() {
    INT_PTR result = -1;
    try {
        result = CPropertySheet::DoModal();
        Finish(result);
    } catch (...) {
        m_pService.reset();
        throw;
    }
    if (m_pService)
        m_Key = m_pService->GetServiceKey();
    m_pService.reset();
    return result;
}

void QZServiceForm::Finish(INT_PTR result) {
    if (!m_pService || !m_pService->IsLoaded())
        return;
    if (result != IDOK) {
        if (!IsNewSite())
            return;
        // The row was added when the sheet opened: it must not show in any list.
        m_pService->SetDeleted(TRUE);
        m_pService->SetNeverPublishFlag(TRUE);
        m_pService->SetPublishFlag(FALSE);
    }
    try {
        m_pService->Save();
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
}
