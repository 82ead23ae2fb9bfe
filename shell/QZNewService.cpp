#include "shell/QZNewService.h"

#include "content/QZService.h"
#include "db/QZApplication.h"
#include "db/QZExecQuery.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "shell/SiteDirectories.h"
#include "shell/SiteSheetBrowse.h"

namespace {

// The longest texts the columns take.
constexpr int kTitleMax = 50;
constexpr int kWebmasterMax = 50;
constexpr int kDevRootMax = 100;
constexpr int kDirectoryMax = 30;
constexpr int kDatabaseMax = 255;

} // namespace

QZNewService::QZNewService() : CPropertyPage(IDD_SERVICE_PAGE) {}

BOOL QZNewService::OnInitDialog() {
    if (m_pService) {
        CServicesSet* row = m_pService->GetRecordset();
        m_strKey = m_pService->GetKey().Format();
        m_strTitle = row->m_Name;
        m_strWebmaster = row->m_WebMasterEmail;
        m_strClientsDb = row->m_ClientsDb;
        m_strDirectory = m_pService->GetDirectory();
        m_strDevRoot = row->m_DevelopPath;
        m_strClientsProdDb = row->m_ClientsProdDb;
        m_Styles.SubclassDlgItem(IDC_SVC_STYLE, this);
        m_Styles.Fill(m_pService->GetKey(), m_pService->GetStyleKey());
        m_Directory.SubclassDlgItem(IDC_SVC_DIRECTORY, this);
    }
    return CPropertyPage::OnInitDialog();
}

void QZNewService::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SVC_KEY, m_strKey);
    DDX_Text(pDX, IDC_SVC_TITLE, m_strTitle);
    DDV_MaxChars(pDX, m_strTitle, kTitleMax);
    DDX_Text(pDX, IDC_SVC_WEBMASTER, m_strWebmaster);
    DDV_MaxChars(pDX, m_strWebmaster, kWebmasterMax);
    DDX_Text(pDX, IDC_SVC_DEVROOT, m_strDevRoot);
    DDV_MaxChars(pDX, m_strDevRoot, kDevRootMax);
    DDX_Text(pDX, IDC_SVC_DIRECTORY, m_strDirectory);
    DDV_MaxChars(pDX, m_strDirectory, kDirectoryMax);
    DDX_Text(pDX, IDC_SVC_CLIENTS_DB, m_strClientsDb);
    DDV_MaxChars(pDX, m_strClientsDb, kDatabaseMax);
    DDX_Text(pDX, IDC_SVC_CLIENTS_PROD_DB, m_strClientsProdDb);
    DDV_MaxChars(pDX, m_strClientsProdDb, kDatabaseMax);
}

BOOL QZNewService::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED &&
        (id == IDC_SVC_DEVROOT_BROWSE || id == IDC_SVC_CLIENTS_DB_BROWSE ||
         id == IDC_SVC_CLIENTS_PROD_DB_BROWSE)) {
        Browse(id);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZNewService::Browse(UINT button) {
    if (!UpdateData(TRUE))
        return;
    BOOL chosen = FALSE;
    if (button == IDC_SVC_DEVROOT_BROWSE)
        chosen = BrowseFolder(this, m_strDevRoot);
    else if (button == IDC_SVC_CLIENTS_DB_BROWSE)
        chosen = BrowseDatabaseFile(this, m_strClientsDb);
    else
        chosen = BrowseDatabaseFile(this, m_strClientsProdDb);
    if (chosen)
        UpdateData(FALSE);
}

BOOL QZNewService::OnApply() {
    // Pasted text and text set by the program pass the edit's typing filter.
    if (m_pService && !QZDirectoryEdit::CheckDirectoryName(m_strDirectory))
        return FALSE;
    return CPropertyPage::OnApply();
}

void QZNewService::OnOK() {
    CPropertyPage::OnOK();
    if (!m_pService)
        return;
    WriteFields();
    if (!m_pService->IsDeleted()) {
        m_pService->SetPublishFlag(TRUE);
        MakeDirectory();
    } else {
        DeleteSiteObjects();
    }
    SaveService();
}

void QZNewService::WriteFields() {
    CServicesSet* row = m_pService->GetRecordset();
    row->m_Name = m_strTitle;
    row->m_WebMasterEmail = m_strWebmaster;
    row->m_ClientsDb = m_strClientsDb;
    if (m_strClientsProdDb.IsEmpty())
        m_strClientsProdDb = m_strClientsDb;
    row->m_ClientsProdDb = m_strClientsProdDb;
    // A list with nothing picked (a new site has no styles yet) keeps the stored style.
    if (m_Styles.GetSafeHwnd() && m_Styles.GetSelectedKey().m_KeyID != -1)
        m_pService->SetStyleKey(m_Styles.GetSelectedKey());
    m_pService->SetDevelopPath(m_strDevRoot);
    if (row->m_ProductionPath.IsEmpty())
        row->m_ProductionPath = m_strDevRoot;
    m_pService->SetDirectory(m_strDirectory);
}

void QZNewService::MakeDirectory() {
    OfferSiteDirectory(JoinSiteDirectory(m_strDevRoot, m_strDirectory), m_strDevRoot);
}

void QZNewService::DeleteSiteObjects() {
    const BOOL neverPublished = m_pService->GetLastPublished().GetStatus() == COleDateTime::null;
    m_pService->SetPublishFlag(!neverPublished);
    if (neverPublished)
        m_pService->SetNeverPublishFlag(TRUE);
    QZExecQuery exec(&GetVantrelApp()->GetVantrelDb());
    exec.ExecuteAllByKey(QZExecQuery::DeleteServiceObjectsQueries(), m_pService->GetKey());
}

void QZNewService::SaveService() {
    try {
        m_pService->Save();
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
}

void QZNewService::OnCancel() {
    if (m_pService && m_pService->GetRecordset())
        m_pService->GetRecordset()->CancelUpdate();
    CPropertyPage::OnCancel();
}
