#include "shell/QZServicePubPage.h"

#include "content/QZService.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "shell/SiteSheetBrowse.h"

namespace {

constexpr int kDomainMax = 50;
constexpr int kPathMax = 100;
constexpr int kDatabaseMax = 255;
constexpr int kAddressMax = 20;
constexpr int kUserMax = 15;
constexpr int kPasswordMax = 10;

constexpr UINT kLocalGroup[] = {IDC_PUB_LOCAL_GROUP,       IDC_PUB_DOMAIN_ROOT,
                                IDC_PUB_DATABASE,          IDC_PUB_DATABASE_BROWSE,
                                IDC_PUB_DOMAIN_ROOT_LABEL, IDC_PUB_DATABASE_LABEL};
constexpr UINT kFtpGroup[] = {
    IDC_PUB_FTP_GROUP,      IDC_PUB_FTP_ADDRESS,    IDC_PUB_FTP_ROOT,
    IDC_PUB_FTP_USER,       IDC_PUB_FTP_PASSWORD,   IDC_PUB_FTP_ADDRESS_LABEL,
    IDC_PUB_FTP_ROOT_LABEL, IDC_PUB_FTP_USER_LABEL, IDC_PUB_FTP_PASSWORD_LABEL};

} // namespace

QZServicePubPage::QZServicePubPage() : CPropertyPage(IDD_SERVICE_PUB_PAGE) {}

BOOL QZServicePubPage::OnInitDialog() {
    if (m_pService) {
        CServicesSet* row = m_pService->GetRecordset();
        m_strDomain = row->m_ProductionAlias;
        m_strDomainRoot = row->m_ProductionPath;
        m_strFtpAddress = row->m_Production_ftp_Address;
        m_strFtpPassword = row->m_Production_ftp_Password;
        m_strFtpUser = row->m_Production_ftp_User;
        m_strDatabase = row->m_ProductionDatabasePath;
        m_strFtpRoot = row->m_ftpDocRoot;
        m_bRemote = row->m_ProductionUse_ftp != 0;
    }
    CPropertyPage::OnInitDialog();
    EnableGroups();
    return TRUE;
}

void QZServicePubPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PUB_DOMAIN, m_strDomain);
    DDV_MaxChars(pDX, m_strDomain, kDomainMax);
    DDX_Text(pDX, IDC_PUB_DOMAIN_ROOT, m_strDomainRoot);
    DDV_MaxChars(pDX, m_strDomainRoot, kPathMax);
    DDX_Text(pDX, IDC_PUB_DATABASE, m_strDatabase);
    DDV_MaxChars(pDX, m_strDatabase, kDatabaseMax);
    DDX_Text(pDX, IDC_PUB_FTP_ADDRESS, m_strFtpAddress);
    DDV_MaxChars(pDX, m_strFtpAddress, kAddressMax);
    DDX_Text(pDX, IDC_PUB_FTP_ROOT, m_strFtpRoot);
    DDV_MaxChars(pDX, m_strFtpRoot, kPathMax);
    DDX_Text(pDX, IDC_PUB_FTP_USER, m_strFtpUser);
    DDV_MaxChars(pDX, m_strFtpUser, kUserMax);
    DDX_Text(pDX, IDC_PUB_FTP_PASSWORD, m_strFtpPassword);
    DDV_MaxChars(pDX, m_strFtpPassword, kPasswordMax);
    DDX_Control(pDX, IDC_PUB_LOCAL, m_Local);
    DDX_Control(pDX, IDC_PUB_REMOTE, m_Remote);
    if (pDX->m_bSaveAndValidate) {
        m_bRemote = m_Remote.GetCheck() == BST_CHECKED;
    } else {
        m_Local.SetCheck(m_bRemote ? BST_UNCHECKED : BST_CHECKED);
        m_Remote.SetCheck(m_bRemote ? BST_CHECKED : BST_UNCHECKED);
    }
}

BOOL QZServicePubPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        if (id == IDC_PUB_LOCAL || id == IDC_PUB_REMOTE) {
            m_bRemote = id == IDC_PUB_REMOTE;
            EnableGroups();
            return TRUE;
        }
        if (id == IDC_PUB_DOMAIN_ROOT_BROWSE || id == IDC_PUB_DATABASE_BROWSE) {
            Browse(id);
            return TRUE;
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZServicePubPage::EnableGroups() {
    for (UINT id : kLocalGroup) {
        if (CWnd* item = GetDlgItem(id))
            item->EnableWindow(!m_bRemote);
    }
    for (UINT id : kFtpGroup) {
        if (CWnd* item = GetDlgItem(id))
            item->EnableWindow(m_bRemote);
    }
}

void QZServicePubPage::Browse(UINT button) {
    if (!UpdateData(TRUE))
        return;
    const BOOL chosen = button == IDC_PUB_DATABASE_BROWSE ? BrowseDatabaseFile(this, m_strDatabase)
                                                          : BrowseFolder(this, m_strDomainRoot);
    if (chosen)
        UpdateData(FALSE);
}

void QZServicePubPage::OnOK() {
    if (m_pService) {
        CServicesSet* row = m_pService->GetRecordset();
        row->m_ProductionAlias = m_strDomain;
        if (m_strDomainRoot.IsEmpty())
            m_strDomainRoot = row->m_DevelopPath;
        row->m_ProductionPath = m_strDomainRoot;
        row->m_ProductionDatabasePath = m_strDatabase;
        row->m_Production_ftp_Address = m_strFtpAddress;
        row->m_ftpDocRoot = m_strFtpRoot;
        row->m_Production_ftp_Password = m_strFtpPassword;
        row->m_Production_ftp_User = m_strFtpUser;
        row->m_ProductionUse_ftp = m_bRemote ? 1 : 0;
        try {
            m_pService->Save();
        } catch (CDaoException* e) {
            AfxMessageBox(CaughtDaoError(e).Message());
        }
    }
    CPropertyPage::OnOK();
}
