#include "shell/QZSectionForm.h"

#include "content/QZSection.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"

QZSectionForm::QZSectionForm(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_Key(0, 0, OBJ_SECTION) {
    AddPage(&m_SectionPage);
    AddPage(&m_StatusPage);
}

QZSectionForm::~QZSectionForm() = default;

BOOL QZSectionForm::OnInitDialog() {
    try {
        if (!m_pSection) {
            if (IsNewSection())
                m_pSection = std::make_unique<QZSection>();
            else
                m_pSection = std::make_unique<QZSection>(m_Key, TRUE);
        }
    } catch (CDaoException* e) {
        // Without its section the sheet does not show.
        AfxMessageBox(CaughtDaoError(e).Message());
        return FALSE;
    }
    m_SectionPage.SetSection(m_pSection.get());
    m_StatusPage.SetSection(m_pSection.get());
    return CPropertySheet::OnInitDialog();
}

INT_PTR QZSectionForm::DoModal() {
    INT_PTR result = -1;
    try {
        result = CPropertySheet::DoModal();
        Finish(result);
    } catch (...) {
        m_pSection.reset();
        throw;
    }
    if (m_pSection)
        m_Key = m_pSection->GetSectionKey();
    m_pSection.reset();
    return result;
}

void QZSectionForm::Finish(INT_PTR result) {
    if (!m_pSection || !m_pSection->IsLoaded())
        return;
    if (result != IDOK) {
        if (!IsNewSection())
            return;
        // The row was added when the sheet opened: it must not show in any list.
        m_pSection->SetDeleted(TRUE);
        m_pSection->SetNeverPublishFlag(TRUE);
        m_pSection->SetPublishFlag(FALSE);
    }
    try {
        m_pSection->Save();
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
}
