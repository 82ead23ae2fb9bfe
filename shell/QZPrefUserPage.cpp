#include "shell/QZPrefUserPage.h"

#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZSiteMenuHost.h"
#include "shell/SiteDatabaseSettings.h"
#include "shell/SiteSheetBrowse.h"
#include "wintoolkit/registry/SECRegistry.h"

namespace {

BOOL IsEmptyKey(const QZKeyCombo& key) {
    return (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
}

} // namespace

QZPrefUserPage::QZPrefUserPage() : CPropertyPage(IDD_PREF_USER) {}

CString QZPrefUserPage::NormalizeCgiPath(const CString& path) {
    CString result = path;
    if (result.IsEmpty())
        return "/";
    if (result[0] == '\\')
        result.SetAt(0, '/');
    if (result[0] != '/')
        result.Insert(0, '/');
    const int last = result.GetLength() - 1;
    if (result[last] == '\\')
        result.SetAt(last, '/');
    if (result[result.GetLength() - 1] != '/')
        result += "/";
    return result;
}

BOOL QZPrefUserPage::OnInitDialog() {
    m_bAlwaysPrompt = g_bAlwaysPrompt ? 1 : 0;
    CVantrel3App* app = GetVantrel3App();
    if (app) {
        m_strDatabase = app->m_strDatabasePath;
        m_strCgiPath = app->m_strCGIAppRelPath;
        m_bCgiMode = app->m_bCGIBINMode;
    }
    m_Users.SubclassDlgItem(IDC_PREF_USER_COMBO, this);
    try {
        if (app)
            m_Users.Fill(app->GetUserKey());
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
    return CPropertyPage::OnInitDialog();
}

void QZPrefUserPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PREF_ALWAYS_PROMPT, m_bAlwaysPrompt);
    DDX_Text(pDX, IDC_PREF_DATABASE, m_strDatabase);
    DDX_Text(pDX, IDC_PREF_CGI_PATH, m_strCgiPath);
    DDX_Control(pDX, IDC_PREF_CGI_MODE, m_CgiMode);
    DDX_Control(pDX, IDC_PREF_WINCGI_MODE, m_WinCgiMode);
    if (pDX->m_bSaveAndValidate) {
        m_bCgiMode = m_CgiMode.GetCheck() == BST_CHECKED;
    } else {
        m_CgiMode.SetCheck(m_bCgiMode ? BST_CHECKED : BST_UNCHECKED);
        m_WinCgiMode.SetCheck(m_bCgiMode ? BST_UNCHECKED : BST_CHECKED);
    }
}

BOOL QZPrefUserPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_PREF_DATABASE_BROWSE && HIWORD(wParam) == BN_CLICKED) {
        if (UpdateData(TRUE) && BrowseDatabaseFile(this, m_strDatabase)) {
            SetModified(TRUE);
            UpdateData(FALSE);
        }
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL QZPrefUserPage::OnApply() {
    CVantrel3App* app = GetVantrel3App();
    if (app && m_strDatabase != app->m_strDatabasePath && !SwitchDatabase())
        return FALSE;
    return CPropertyPage::OnApply();
}

BOOL QZPrefUserPage::SwitchDatabase() {
    CVantrel3App* app = GetVantrel3App();
    QZSiteMenuHost* host = GetSiteMenuHost();
    if (host && host->HasOpenDocuments()) {
        if (AfxMessageBox("This will save and close all currently open windows.", MB_OKCANCEL) !=
            IDOK)
            return FALSE;
        // An editor the user kept open would write into the database that is closed now.
        if (!host->SaveAndCloseAll())
            return FALSE;
    }
    const BOOL switched = app->SwitchDatabase(m_strDatabase);
    m_strDatabase = app->m_strDatabasePath;
    UpdateData(FALSE);
    // The users of the other database are listed now.
    try {
        m_Users.Fill(app->GetUserKey());
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
    if (switched && host)
        host->ReloadSiteViewer();
    return switched;
}

void QZPrefUserPage::OnOK() {
    CPropertyPage::OnOK();
    CVantrel3App* app = GetVantrel3App();
    if (!app)
        return;
    m_strCgiPath = NormalizeCgiPath(m_strCgiPath);
    app->m_strCGIAppRelPath = m_strCgiPath;
    app->m_bCGIBINMode = m_bCgiMode;
    try {
        if (m_Users.GetSafeHwnd())
            m_Users.CommitTypedName();
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
    WriteUserSettings();
    g_bAlwaysPrompt = m_bAlwaysPrompt != 0;
}

void QZPrefUserPage::WriteUserSettings() {
    CVantrel3App* app = GetVantrel3App();
    SECRegistry registry;
    const BOOL settings = SiteDatabaseSettings::OpenKeyForWriting(registry);
    const QZKeyCombo chosen = m_Users.GetSafeHwnd() ? m_Users.GetSelectedKey() : app->GetUserKey();
    const QZKeyCombo& current = app->GetUserKey();
    if (!IsEmptyKey(chosen) &&
        (chosen.m_DbID != current.m_DbID || chosen.m_KeyID != current.m_KeyID)) {
        app->ChangeUser(chosen);
        if (settings)
            registry.SetStringValue("UserName", app->GetUserKey().FormatFull());
    }
    if (settings) {
        registry.SetStringValue("CGIAppType", m_bCgiMode ? "CGI-BIN" : "CGI-WIN");
        registry.SetStringValue("CGIAppRelPath", m_strCgiPath);
        registry.Close();
    }
}
