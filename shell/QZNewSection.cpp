#include "shell/QZNewSection.h"

#include "content/QZSection.h"
#include "content/QZServiceLookups.h"
#include "db/QZApplication.h"
#include "db/QZExecQuery.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "shell/SiteDirectories.h"

namespace {

constexpr int kNameMax = 50;
constexpr int kTitleMax = 100;
constexpr int kDirectoryMax = 30;

// The development directory of a site: its root joined with its own directory.
CString SiteDevelopDirectory(const QZKeyCombo& site) {
    return JoinSiteDirectory(GetServiceDevelopPath(site), GetServiceDirectory(site, QZKeyCombo()));
}

} // namespace

QZNewSection::QZNewSection() : CPropertyPage(IDD_SECTION_PAGE) {}

BOOL QZNewSection::OnInitDialog() {
    if (m_pSection) {
        const CSectionsSet* row = m_pSection->GetRecordset();
        m_strKey = m_pSection->GetKey().Format();
        m_strName = row->m_SectionName;
        m_strDirectory = m_pSection->GetDirectory();
        m_strTitle = row->m_SectionTitle;
        m_bSecureCGI = row->m_SecureCGI ? 1 : 0;
        m_strRelativePath = GetServiceDirectory(m_pSection->GetServiceKey(), QZKeyCombo());
        m_Sites.SubclassDlgItem(IDC_SECT_SERVICE, this);
        m_Sites.SelectKey(m_pSection->GetServiceKey());
        m_Styles.SubclassDlgItem(IDC_SECT_STYLE, this);
        m_Styles.Fill(m_pSection->GetServiceKey(), m_pSection->GetStyleKey());
        m_Pages.SubclassDlgItem(IDC_SECT_PAGE, this);
        m_Pages.Fill(m_pSection->GetServiceKey(), m_pSection->GetDefaultDocKey());
        m_Directory.SubclassDlgItem(IDC_SECT_DIRECTORY, this);
    }
    return CPropertyPage::OnInitDialog();
}

void QZNewSection::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SECT_KEY, m_strKey);
    DDX_Text(pDX, IDC_SECT_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, kNameMax);
    DDX_Text(pDX, IDC_SECT_TITLE, m_strTitle);
    DDV_MaxChars(pDX, m_strTitle, kTitleMax);
    DDX_Text(pDX, IDC_SECT_RELATIVE_PATH, m_strRelativePath);
    DDX_Text(pDX, IDC_SECT_DIRECTORY, m_strDirectory);
    DDV_MaxChars(pDX, m_strDirectory, kDirectoryMax);
    DDX_Check(pDX, IDC_SECT_SECURE_CGI, m_bSecureCGI);
}

BOOL QZNewSection::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_SECT_SECURE_CGI && HIWORD(wParam) == BN_CLICKED) {
        OnSecureCGI();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZNewSection::OnSecureCGI() {
    UpdateData(TRUE);
    if (CWnd* warning = GetDlgItem(IDC_SECT_CGI_WARNING))
        warning->EnableWindow(m_bSecureCGI != 0);
}

BOOL QZNewSection::OnApply() {
    if (m_pSection && !m_pSection->IsDeleted() &&
        !QZDirectoryEdit::CheckDirectoryName(m_strDirectory))
        return FALSE;
    return CPropertyPage::OnApply();
}

void QZNewSection::OnOK() {
    CPropertyPage::OnOK();
    if (!m_pSection)
        return;
    if (m_pSection->IsDeleted()) {
        DeleteSectionObjects();
    } else {
        m_pSection->SetPublishFlag(TRUE);
        QZKeyCombo site = m_Sites.GetSafeHwnd() ? m_Sites.GetSelectedKey() : QZKeyCombo();
        if (site.m_KeyID == -1)
            site = m_pSection->GetServiceKey();
        WriteFields(site, UpdateDiskDirectory(site));
    }
    SaveSection();
}

BOOL QZNewSection::UpdateDiskDirectory(const QZKeyCombo& newSite) {
    const CString oldDirectory = m_pSection->GetDirectory();
    const QZKeyCombo oldSite = m_pSection->GetServiceKey();
    const BOOL siteChanged = !(oldSite == newSite);
    if (oldDirectory == m_strDirectory && (!siteChanged || oldDirectory.IsEmpty()))
        return TRUE;
    const CString target = JoinSiteDirectory(SiteDevelopDirectory(newSite), m_strDirectory);
    if (m_strDirectory.IsEmpty()) {
        AfxMessageBox("You've removed the directory, no Files will be moved.");
        return TRUE;
    }
    const CString source = JoinSiteDirectory(SiteDevelopDirectory(oldSite), oldDirectory);
    // A section without a directory on disk gets its first one.
    if (oldDirectory.IsEmpty() || !SiteDirectoryExists(source)) {
        OfferSiteDirectory(target);
        return TRUE;
    }
    AfxMessageBox("You've changed the directory, the disk directory will be renamed.");
    if (RenameSiteDirectory(source, target))
        return TRUE;
    AfxMessageBox("An error occured while trying to rename the directory.");
    return FALSE;
}

void QZNewSection::WriteFields(const QZKeyCombo& site, BOOL moved) {
    CSectionsSet* row = m_pSection->GetRecordset();
    row->m_SectionName = m_strName;
    row->m_SectionTitle = m_strTitle;
    row->m_SecureCGI = m_bSecureCGI ? 1 : 0;
    // A directory that could not be renamed or moved stays where the row says it is.
    if (moved) {
        m_pSection->SetDirectory(m_strDirectory);
        m_pSection->SetServiceKey(site);
    }
    if (m_Styles.GetSafeHwnd() && m_Styles.GetSelectedKey().m_KeyID != -1)
        m_pSection->SetStyleKey(m_Styles.GetSelectedKey());
    if (m_Pages.GetSafeHwnd() && m_Pages.GetSelectedKey().m_KeyID != -1) {
        const QZKeyCombo& page = m_Pages.GetSelectedKey();
        m_pSection->SetDefaultDocKey(page.m_DbID, page.m_KeyID);
    }
}

void QZNewSection::DeleteSectionObjects() {
    const BOOL neverPublished = m_pSection->GetLastPublished().GetStatus() == COleDateTime::null;
    m_pSection->SetPublishFlag(!neverPublished);
    if (neverPublished)
        m_pSection->SetNeverPublishFlag(TRUE);
    QZExecQuery exec(&GetVantrelApp()->GetVantrelDb());
    exec.ExecuteAllByKey(QZExecQuery::DeleteSectionObjectsQueries(), m_pSection->GetKey());
}

void QZNewSection::SaveSection() {
    try {
        m_pSection->Save();
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
}

void QZNewSection::OnCancel() {
    if (m_pSection && m_pSection->GetRecordset())
        m_pSection->GetRecordset()->CancelUpdate();
    CPropertyPage::OnCancel();
}
