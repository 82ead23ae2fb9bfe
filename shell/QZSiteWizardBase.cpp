#include "shell/QZSiteWizardBase.h"

#include "content/QZAttributes.h"
#include "content/QZLocalPath.h"
#include "content/QZPublishPaths.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelPage.h"
#include "db/QZApplication.h"
#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/ui/CFileDialog.h"
#include "res/Resource.h"
#include "shell/CQZFileDlg.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <utility>
#include <vector>

namespace {

constexpr const char* kNoRegistry =
    "Couldn't access the registry. \n\n Attempting to use defaults.";
constexpr const char* kNotWritten = "The new site could not be written to the site database.";
constexpr const char* kDefaultRoot = "c:\\webroot\\development";
constexpr const char* kClientsDbName = "\\Data\\YourDatabase.mdb";
// The example domain of the starter values.
constexpr const char* kWebmaster = "webmaster@example.com";
constexpr const char* kWebHost = "www.example.com";
constexpr const char* kFtpHost = "ftp.example.com";

// A root setting as the starter values take it: its text when it is set, `missing` when it is
// not there, `current` when it is there but empty.
CString RootSetting(SECRegistry* registry, LPCTSTR name, const CString& missing,
                    const CString& current) {
    CString text;
    if (!registry || !registry->GetStringValue(name, text))
        return missing;
    return text.IsEmpty() ? current : text;
}

void ReportUnmade(const CString& path) {
    CString text;
    text.Format("Unable to create Path:  %s", static_cast<LPCTSTR>(path));
    AfxMessageBox(text);
}

// One level made, or there already.
BOOL MakeLevel(const CString& path) {
    return CreateDirectoryA(path) || IsLocalDirectory(path);
}

} // namespace

QZSiteWizardBase::QZSiteWizardBase(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage) {
    MakeStarterRows();
    SetSiteDefaults();
    SetRootsFromSettings();
    m_P1.SetSite(GetSite());
    m_P2.SetSite(GetSite());
    m_P3.SetSite(GetSite());
    m_P4.SetSite(GetSite());
    AddPage(&m_P1);
    AddPage(&m_P2);
    AddPage(&m_P3);
    AddPage(&m_P4);
}

QZSiteWizardBase::~QZSiteWizardBase() = default;

void QZSiteWizardBase::MakeStarterRows() {
    m_pService = std::make_unique<QZService>();
    m_pStyle = std::make_unique<QZAttributes>();
    m_pSection = std::make_unique<QZSection>();
    const QZKeyCombo siteKey = m_pService->GetKey();
    m_pSection->SetServiceKey(siteKey);
    m_pStyle->SetServiceKey(siteKey);
    m_pService->SetStyleKey(m_pStyle->GetKey());
    m_pSection->SetStyleKey(m_pStyle->GetKey());
    m_pStyle->SetStyleName("Default Style");

    m_pHomePage = std::make_unique<QZVantrelPage>();
    m_pHomePage->SetServiceKey(siteKey);
    m_pHomePage->SetSectionKey(m_pSection->GetKey());
    m_pHomePage->SetStyleKey(m_pStyle->GetKey());
    m_pHomePage->SetText("<center><h2>Welcome to My Home Page</h2></center>");
    m_pHomePage->SetFileName("index.html");
    m_pHomePage->SetTitle("My Home Page");
    const QZKeyCombo pageKey = m_pHomePage->GetKey();
    m_pSection->SetDefaultDocKey(pageKey.m_DbID, pageKey.m_KeyID);
}

void QZSiteWizardBase::SetSiteDefaults() {
    CServicesSet& site = *m_pService->GetRecordset();
    site.m_Name = "My Site";
    site.m_WebMasterEmail = kWebmaster;
    site.m_Directory = "MySite";
    site.m_ProductionAlias = kWebHost;
    site.m_ProductionUse_ftp = 0;
    site.m_ProductionPath.Empty();
    site.m_ProductionDatabasePath.Empty();
    site.m_ftpDocRoot = "mysite";
    site.m_Production_ftp_Address = kFtpHost;
    site.m_Production_ftp_User = "username";
    // No password is known for a new site.
    site.m_Production_ftp_Password = "";
    m_pSection->SetSectionName("Main Section");
    m_pSection->SetSectionTitle("Main Section");
    m_pService->SetPublishFlag(TRUE);
    m_pSection->SetPublishFlag(TRUE);
    m_pStyle->SetPublishFlag(TRUE);
    m_pHomePage->SetPublishFlag(TRUE);
}

void QZSiteWizardBase::SetRootsFromSettings() {
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    auto registry = std::make_unique<SECRegistry>();
    if (!registry->Connect(HKEY_CURRENT_USER) || !registry->Open(key, KEY_ALL_ACCESS)) {
        AfxMessageBox(kNoRegistry);
        registry.reset();
    }
    CServicesSet& site = *m_pService->GetRecordset();
    site.m_DevelopPath =
        RootSetting(registry.get(), "WebServerDocRoot", kDefaultRoot, site.m_DevelopPath);
    const CString dbRoot = RootSetting(registry.get(), "VantrelDatabaseRoot", kDefaultRoot, "");
    if (!dbRoot.IsEmpty()) {
        site.m_ClientsDb = dbRoot + kClientsDbName;
        site.m_ClientsProdDb = dbRoot + kClientsDbName;
    }
    if (registry)
        registry->Close();
}

INT_PTR QZSiteWizardBase::DoModal() {
    if (!IsReady()) {
        CancelSite();
        AfxMessageBox(kNotWritten);
        return -1;
    }
    const INT_PTR result = CPropertySheet::DoModal();
    if (result != ID_WIZFINISH) {
        CancelSite();
        return result;
    }
    return FinishSite() ? result : IDCANCEL;
}

BOOL QZSiteWizardBase::IsReady() const {
    return m_pService->IsLoaded() && m_pStyle->IsLoaded() && m_pSection->IsLoaded() &&
           m_pHomePage->IsLoaded();
}

void QZSiteWizardBase::RebuildPagesAfterP4() {
    const int p4 = GetPageIndex(&m_P4);
    if (p4 < 0)
        return;
    while (GetPageCount() > p4 + 1)
        RemovePage(p4 + 1);
    if (GetSite()->GetRecordset()->m_ProductionUse_ftp) {
        m_P6.SetSite(GetSite());
        AddPage(&m_P6);
    } else {
        m_P5.SetSite(GetSite());
        AddPage(&m_P5);
    }
    m_P7.SetStyle(GetStyle());
    AddPage(&m_P7);
    m_P8.SetSiteAndSection(GetSite(), GetMainSection());
    AddPage(&m_P8);
}

BOOL QZSiteWizardBase::FinishSite() {
    if (std::exchange(m_bSettled, true))
        return FALSE;
    CServicesSet& site = *m_pService->GetRecordset();
    if (site.m_ClientsProdDb.IsEmpty() && !site.m_ClientsDb.IsEmpty())
        site.m_ClientsProdDb = site.m_ClientsDb;
    if (site.m_ProductionPath.IsEmpty())
        site.m_ProductionPath = site.m_DevelopPath;
    // Each row is tried; a site that is not whole in the database is not taken on.
    int saved = m_pService->Save();
    saved &= m_pStyle->Save();
    saved &= m_pSection->Save();
    saved &= m_pHomePage->Save();
    if (saved != 1) {
        AfxMessageBox(kNotWritten);
        return FALSE;
    }
    if (QZApplication* app = GetVantrelApp()) {
        app->GetCurrentServiceKey() = m_pService->GetKey();
        app->GetCurrentSectionKey() = m_pSection->GetKey();
    }
    MakeDevelopmentDirectory(DevelopmentDirectory());
    return TRUE;
}

void QZSiteWizardBase::CancelSite() {
    if (std::exchange(m_bSettled, true))
        return;
    QZVantrelBase* const objects[] = {m_pService.get(), m_pStyle.get(), m_pSection.get(),
                                      m_pHomePage.get()};
    for (QZVantrelBase* object : objects) {
        object->SetDeleted(TRUE);
        object->SetPublishFlag(FALSE);
        object->SetNeverPublishFlag(TRUE);
        object->Save();
    }
}

CString QZSiteWizardBase::DevelopmentDirectory() const {
    const CServicesSet& site = *m_pService->GetRecordset();
    const CString siteDir = JoinLocalPath(site.m_DevelopPath, site.m_Directory);
    return MapWindowsPath(JoinLocalPath(siteDir, m_pSection->GetRecordset()->m_Directory));
}

void QZSiteWizardBase::MakeDevelopmentDirectory(const CString& path) {
    // A path that is not absolute would land wherever the program happened to start.
    if (path.IsEmpty() || path[0] != '/') {
        ReportUnmade(path);
        return;
    }
    if (IsLocalDirectory(path))
        return;
    if (AskToCreateDirectory(path) != IDYES)
        return;
    if (!MakeDirectoryWithParents(path))
        ReportUnmade(path);
}

BOOL QZSiteWizardBase::MakeDirectoryWithParents(const CString& path) {
    CString head = path;
    while (head.GetLength() > 1 && head.Right(1) == "/")
        head = head.Left(head.GetLength() - 1);
    // Levels are cut off until one can be made (or is there), then made again downwards.
    std::vector<CString> cut;
    while (!MakeLevel(head)) {
        const int separator = head.ReverseFind('/');
        if (separator <= 0)
            return FALSE;
        cut.push_back(head);
        head = head.Left(separator);
    }
    for (auto level = cut.rbegin(); level != cut.rend(); ++level) {
        if (!MakeLevel(*level))
            return FALSE;
    }
    return IsLocalDirectory(path);
}

CString QZSiteWizardBase::ProposeFtpAddress(const CString& domain) {
    const int dot = domain.Find('.');
    return "ftp" + (dot < 0 ? domain : domain.Mid(dot));
}

BOOL QZSiteWizardBase::BrowseForFolder(CWnd* owner, CString& path) {
    CQZFileDlg dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr,
                      owner);
    const CString start = MapWindowsPath(path);
    if (IsLocalDirectory(start))
        dialog.m_ofn.lpstrInitialDir = start;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    CString chosen = dialog.GetPathName().Left(dialog.GetFileOffset());
    while (chosen.GetLength() > 1 && (chosen.Right(1) == "/" || chosen.Right(1) == "\\"))
        chosen = chosen.Left(chosen.GetLength() - 1);
    path = chosen;
    return TRUE;
}

BOOL QZSiteWizardBase::BrowseForDatabase(CWnd* owner, CString& path) {
    CFileDialog dialog(TRUE, "mdb", path, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||", owner);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}
