// Start-up and shut-down of the program: the single-instance test, the settings, the site
// database choice and its version check, log-in and log-out, the splash and the main frame.

#include "content/QZAuthor.h"
#include "content/QZCurrentUsers.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "db/QZDbUpdate.h"
#include "db/QZRecordsetCaches.h"
#include "db/QZVersionNumber.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/registry/AppProfile.h"
#include "res/Resource.h"
#include "shell/CSplashWnd.h"
#include "shell/CVantrel3App.h"
#include "shell/QZDesktopWindows.h"
#include "shell/SiteDatabaseSettings.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <memory>

namespace {

constexpr const char* kNoRegistry =
    "Couldn't access the registry. \n\n Attempting to use defaults.";
constexpr const char* kBuild = "318";

CString SettingsKey() {
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    return key;
}

CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

// The registry object of start-up: HKEY_CURRENT_USER with the settings key open when it can be.
std::unique_ptr<SECRegistry> OpenSettings(BOOL create) {
    auto registry = std::make_unique<SECRegistry>();
    const CString key = SettingsKey();
    if (registry->Connect(HKEY_CURRENT_USER) &&
        (registry->Open(key, KEY_ALL_ACCESS) || (create && registry->CreateKey(key))))
        return registry;
    return nullptr;
}

// -1, 0 or 1 as the database's version is older than, equal to or newer than the expected one;
// as numbers when both are version numbers, else byte by byte.
int CompareVersions(const CString& version, const CString& expected) {
    int order = 0;
    if (QZVersionNumber::Compare(version, expected, &order))
        return order;
    const int bytes = version.Compare(expected);
    return bytes < 0 ? -1 : bytes > 0 ? 1 : 0;
}

} // namespace

QZStartupWindows& CVantrel3App::Windows() {
    static QZDesktopWindows desktop;
    return m_pWindows ? *m_pWindows : desktop;
}

BOOL CVantrel3App::InitInstance() {
    m_bCommandLineGiven = !m_lpCmdLine.IsEmpty();
    if (!m_bCommandLineGiven && !FindRunningInstance())
        return FALSE;
    if (!Windows().RegisterInstance())
        return FALSE;
    m_bInstanceRegistered = TRUE;
    CString barKey;
    barKey.LoadString(IDS_BAR_REGISTRY_KEY);
    SetRegistryKey(barKey);
    SetProfileName("");
    BeginWaitCursor();
    Windows().BeginWaitCursor();

    std::unique_ptr<SECRegistry> registry = OpenSettings(FALSE);
    if (!registry) {
        AfxMessageBox(kNoRegistry);
        registry = std::make_unique<SECRegistry>();
    }
    ReadLocationSettings(*registry);
    if (!ChooseDatabase(registry.get()) || !CheckDatabaseVersion())
        return FALSE;

    RestoreWaitCursor();
    ReadOptionCodes(*registry);
    m_UserKey = FindStartupUser(registry.get());
    LoginUser(m_UserKey);
    CSplashWnd::EnableSplashScreen(m_bShowSplash);
    Windows().ShowSplash(m_bShowSplash);
    ReadSelection(registry.get());
    ReadEditorColors(*registry);
    m_bSettingsRead = TRUE;
    registry->Close();
    registry.reset();

    if (DocTemplateRegistrar registrar = GetDocTemplateRegistrar())
        registrar(*this);
    const BOOL shown = Windows().CreateMainFrame(*this);
    Windows().EndWaitCursor();
    EndWaitCursor();
    return shown;
}

QZKeyCombo CVantrel3App::FindStartupUser(SECRegistry* registry) {
    QZKeyCombo user = ReadUserKey(registry);
    if (user.m_KeyID != 0)
        return user;
    const CString loginName = GetLoginName();
    QZAuthor author(loginName, FALSE);
    if (author.IsLoaded()) {
        user.SetKey(author.GetKey().m_DbID, author.GetKey().m_KeyID);
        return user;
    }
    CAuthorsSet authors(&m_VantrelDb);
    authors.OpenByName(loginName, 0);
    authors.AddNewRecord(0);
    authors.m_AuthorName = loginName;
    authors.m_Active = 1;
    authors.SaveRecord(0);
    user.SetKey(authors.m_DbID, authors.m_AuthorID);
    authors.Close();
    return user;
}

QZKeyCombo CVantrel3App::ReadUserKey(SECRegistry* registry) {
    CString text;
    QZKeyCombo none(0, 0, OBJ_AUTHOR);
    if (!registry->GetStringValue("UserName", text))
        return none;
    QZKeyCombo key(text);
    if (key.m_DbID == 0)
        key.m_DbID = m_VantrelDb.GetDbId();
    if (key.m_KeyID == 0)
        return none;
    QZAuthor author(key, FALSE);
    if (!author.IsLoaded() || !(author.GetKey() == key))
        return none;
    return QZKeyCombo(key.m_DbID, key.m_KeyID, OBJ_AUTHOR);
}

void CVantrel3App::ReadSelection(SECRegistry* registry) {
    CString text;
    if (registry->GetStringValue("SelectedService", text)) {
        QZKeyCombo key(text);
        if (key.m_KeyID != 0) {
            QZService service(key, FALSE);
            if (service.IsLoaded() && service.GetKey() == key)
                m_SelectedService.SetKey(key.m_DbID, key.m_KeyID);
        }
    }
    if (registry->GetStringValue("SelectedSection", text)) {
        QZKeyCombo key(text);
        if (key.m_KeyID != 0) {
            QZSection section(key, FALSE);
            if (section.IsLoaded() && section.GetKey() == key)
                m_SelectedSection.SetKey(key.m_DbID, key.m_KeyID);
        }
    }
}

BOOL CVantrel3App::FindRunningInstance() {
    return Windows().RaiseRunningCopy() ? FALSE : TRUE;
}

BOOL CVantrel3App::ChooseDatabase(SECRegistry*) {
    m_VantrelDb.SetDatabasePath(m_bCommandLineGiven ? m_lpCmdLine : m_strDatabasePath);
    if (SiteDatabaseSettings::IsSiteDatabase(m_VantrelDb.GetDatabasePath()) &&
        m_VantrelDb.OpenDatabase(0))
        return TRUE;
    for (;;) {
        CString text;
        text.Format(IDS_INVALID_DATABASE, static_cast<LPCTSTR>(m_VantrelDb.GetDatabasePath()));
        AfxMessageBox(text, MB_OK | MB_ICONQUESTION);
        CString path = m_VantrelDb.GetDatabasePath();
        if (!Windows().AskDatabaseFile(&path))
            return FALSE;
        m_strDatabasePath = path;
        m_VantrelDb.SetDatabasePath(path);
        m_strDatabaseRoot = SiteDatabaseSettings::RootOf(path);
        if (OpenChosenDatabase()) {
            CString error;
            SiteDatabaseSettings::WriteDatabase(path, &error);
            return TRUE;
        }
    }
}

BOOL CVantrel3App::OpenChosenDatabase() {
    return SiteDatabaseSettings::IsSiteDatabase(m_VantrelDb.GetDatabasePath()) &&
           m_VantrelDb.OpenDatabase(0);
}

BOOL CVantrel3App::CheckDatabaseVersion() {
    m_VantrelDb.GetDbIdAndVersion(&m_lDbID, m_strDatabaseVersion);
    const CString& expected = QZDbUpdate::GetExpectedVersion();
    const int order = CompareVersions(m_strDatabaseVersion, expected);
    if (order == 0)
        return TRUE;
    CString text;
    text.Format("Program Build:             3.0 (Build %s)\n\nDatabase Version:       %s"
                "\n\n\nThe database located at: %s%s\n\nExpected Database Version: %s"
                "\nActual Database Version: %s",
                kBuild, static_cast<LPCTSTR>(expected),
                static_cast<LPCTSTR>(m_VantrelDb.GetDatabasePath()),
                static_cast<LPCTSTR>(LoadText(IDS_VERSION_MISMATCH)),
                static_cast<LPCTSTR>(expected), static_cast<LPCTSTR>(m_strDatabaseVersion));
    if (order > 0) {
        AfxMessageBox(text + LoadText(IDS_REINSTALL), MB_OK);
        return FALSE;
    }
    m_bOlderDatabase = TRUE;
    return OfferUpdate(text + LoadText(IDS_UPDATE_QUESTION));
}

BOOL CVantrel3App::OfferUpdate(const CString& text) {
    if (AfxMessageBox(text, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    try {
        if (m_VantrelDb.IsOpen())
            m_VantrelDb.Close();
        const CString path = m_VantrelDb.GetDatabasePath();
        QZDbUpdate update;
        int result = update.UpdateDatabase(path, 1);
        if (result == QZDbUpdate::updateFailed)
            result = update.UpdateDatabase(path, 1);
        if (result != QZDbUpdate::updateDone) {
            if (result == QZDbUpdate::updateFailed)
                AfxMessageBox("Update NOT Successful!");
            return FALSE;
        }
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
        return FALSE;
    }
    AfxMessageBox("Update Successful!");
    return ReopenUpdatedDatabase();
}

BOOL CVantrel3App::ReopenUpdatedDatabase() {
    if (!m_VantrelDb.OpenDatabase(0))
        return FALSE;
    m_VantrelDb.GetDbIdAndVersion(&m_lDbID, m_strDatabaseVersion);
    // The database is now the program's version: this run logs out as any other.
    m_bOlderDatabase = FALSE;
    return TRUE;
}

BOOL CVantrel3App::LoginUser(const QZKeyCombo& user) {
    QZCurrentUsers users(&m_VantrelDb);
    users.LogInAtStartup(user);
    return TRUE;
}

void CVantrel3App::LogoutUser() {
    if (!m_VantrelDb.IsOpen() || m_bOlderDatabase)
        return;
    try {
        QZCurrentUsers users(&m_VantrelDb);
        users.LogOutAtExit(m_UserKey);
        m_VantrelDb.Close();
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
}

int CVantrel3App::ExitInstance() {
    if (m_bInstanceRegistered) {
        Windows().UnregisterInstance();
        m_bInstanceRegistered = FALSE;
    }
    // A run given a database path, and one that ended before it read every setting, keep the
    // stored settings as they are; the other copy still running keeps them too.
    if (!m_bCommandLineGiven && m_bSettingsRead && FindRunningInstance()) {
        if (std::unique_ptr<SECRegistry> registry = OpenSettings(TRUE)) {
            WriteSettings(*registry);
            registry->Close();
        }
    }
    ClearRecordsetCaches();
    LogoutUser();
    return CWinApp::ExitInstance();
}

BOOL CVantrel3App::PreTranslateMessage(MSG* pMsg) {
    if (CSplashWnd::PreTranslateAppMessage(pMsg))
        return TRUE;
    return CWinApp::PreTranslateMessage(pMsg);
}
