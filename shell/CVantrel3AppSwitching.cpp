// Switching the site database and the user while the program runs (the preferences' User
// page): the database is opened as start-up opens it and the user logged in to it as start-up
// logs in; a database that cannot be used gives way to the one before.

#include "content/QZAuthor.h"
#include "content/QZCurrentUsers.h"
#include "db/QZRecordsetCaches.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/SiteDatabaseSettings.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <utility>

namespace {

void WriteDatabaseSettings(SECRegistry& registry, const CString& path, const CString& root) {
    if (!path.IsEmpty())
        registry.SetStringValue("VantrelDatabase", path);
    if (!root.IsEmpty())
        registry.SetStringValue("VantrelDatabaseRoot", root);
}

} // namespace

BOOL CVantrel3App::OpenSwitchedDatabase(SECRegistry* registry) {
    // The database named on the command line was the start-up's; the user has chosen another.
    const BOOL commandLine = std::exchange(m_bCommandLineGiven, FALSE);
    m_bOlderDatabase = FALSE;
    const BOOL opened = ChooseDatabase(registry) && CheckDatabaseVersion();
    m_bCommandLineGiven = commandLine;
    return opened;
}

BOOL CVantrel3App::SwitchDatabase(const CString& path) {
    const CString oldPath = m_strDatabasePath;
    const CString oldRoot = m_strDatabaseRoot;
    const BOOL oldOlder = m_bOlderDatabase;
    ClearRecordsetCaches();
    LogoutUser();
    if (m_VantrelDb.IsOpen())
        m_VantrelDb.Close();

    m_strDatabasePath = path;
    m_strDatabaseRoot = SiteDatabaseSettings::RootOf(path);
    SECRegistry registry;
    const BOOL settings = SiteDatabaseSettings::OpenKeyForWriting(registry);
    if (settings)
        WriteDatabaseSettings(registry, m_strDatabasePath, m_strDatabaseRoot);
    BOOL switched = OpenSwitchedDatabase(&registry);
    if (!switched) {
        ClearRecordsetCaches();
        if (m_VantrelDb.IsOpen())
            m_VantrelDb.Close();
        m_strDatabasePath = oldPath;
        m_strDatabaseRoot = oldRoot;
        if (settings)
            WriteDatabaseSettings(registry, oldPath, oldRoot);
        m_VantrelDb.SetDatabasePath(oldPath);
        if (m_VantrelDb.OpenDatabase(0))
            m_VantrelDb.GetDbIdAndVersion(&m_lDbID, m_strDatabaseVersion);
        m_bOlderDatabase = oldOlder;
    }
    if (m_VantrelDb.IsOpen()) {
        try {
            // The user goes on working under the same name where that database knows it.
            QZAuthor same(m_UserKey, FALSE);
            if (!same.IsLoaded() || !(same.GetKey() == m_UserKey))
                m_UserKey = FindStartupUser(&registry);
            LoginUser(m_UserKey);
        } catch (CDaoException* e) {
            AfxMessageBox(CaughtDaoError(e).Message());
        }
    }
    if (settings)
        registry.Close();
    return switched;
}

void CVantrel3App::ChangeUser(const QZKeyCombo& user) {
    if (user.m_DbID == m_UserKey.m_DbID && user.m_KeyID == m_UserKey.m_KeyID)
        return;
    try {
        QZCurrentUsers users(&m_VantrelDb);
        users.LogoutUser(m_UserKey);
        users.LoginUser(user);
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
    m_UserKey.SetKey(user.m_DbID, user.m_KeyID);
}
