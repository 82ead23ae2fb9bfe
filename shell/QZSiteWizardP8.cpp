#include "shell/QZSiteWizardP8.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP8::QZSiteWizardP8() : CPropertyPage(IDD_SITEWIZ_P8) {}

BOOL QZSiteWizardP8::OnInitDialog() {
    m_pSheet = dynamic_cast<QZSiteWizardBase*>(GetParent());
    if (m_pSection) {
        const CSectionsSet& section = *m_pSection->GetRecordset();
        m_strName = section.m_SectionName;
        m_strTitle = section.m_SectionTitle;
        m_strDirectory = section.m_Directory;
    }
    if (m_pService)
        m_strRelativePath = m_pService->GetRecordset()->m_Directory;
    m_DirectoryEdit.SubclassDlgItem(IDC_SWIZ_SECTIONDIR, this);
    return CPropertyPage::OnInitDialog();
}

BOOL QZSiteWizardP8::OnSetActive() {
    if (m_pSheet)
        m_pSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    if (m_pService)
        m_strRelativePath = m_pService->GetRecordset()->m_Directory;
    return CPropertyPage::OnSetActive();
}

LRESULT QZSiteWizardP8::OnWizardBack() {
    return Store() ? 0 : -1;
}

BOOL QZSiteWizardP8::OnWizardFinish() {
    return Store();
}

BOOL QZSiteWizardP8::Store() {
    if (!UpdateData(TRUE) || !QZDirectoryEdit::CheckDirectoryName(m_strDirectory))
        return FALSE;
    if (m_pSection) {
        m_pSection->SetSectionName(m_strName);
        m_pSection->SetSectionTitle(m_strTitle);
        m_pSection->SetDirectory(m_strDirectory);
    }
    return TRUE;
}

void QZSiteWizardP8::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_SECTIONNAME, m_strName);
    DDX_Text(pDX, IDC_SWIZ_SECTIONTITLE, m_strTitle);
    DDX_Text(pDX, IDC_SWIZ_RELPATH, m_strRelativePath);
    DDX_Text(pDX, IDC_SWIZ_SECTIONDIR, m_strDirectory);
}
