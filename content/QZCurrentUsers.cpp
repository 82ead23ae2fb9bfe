#include "content/QZCurrentUsers.h"

IMPLEMENT_DYNAMIC(QZCurrentUsers, QZRecordset)

namespace {
constexpr const char* kUserQuery = "MQ_GetCurrentUserByDbId_UserID";
} // namespace

QZCurrentUsers::QZCurrentUsers(CVantrelDb* database) : QZRecordset(database), m_pSiteDb(database) {}

QZCurrentUsers::~QZCurrentUsers() = default;

BOOL QZCurrentUsers::LogInAtStartup(const QZKeyCombo& user) {
    // Claims of a crashed copy are cleared whether or not it left its row behind.
    ReleaseUserLocks(user);
    if (IsUserLoggedIn(user))
        LogoutUser(user);
    return LoginUser(user);
}

BOOL QZCurrentUsers::LogOutAtExit(const QZKeyCombo& user) {
    LogoutUser(user);
    return ReleaseSessionLocks(user);
}

BOOL QZCurrentUsers::IsUserLoggedIn(const QZKeyCombo& user) {
    CCurrentUsersSet& users = Users();
    users.OpenByKey(user, kUserQuery, 0);
    BOOL found = users.IsOpen() && users.MoveFirstRow() == 1;
    if (users.IsOpen())
        users.Close();
    return found;
}

BOOL QZCurrentUsers::LogoutUser(const QZKeyCombo& user) {
    CCurrentUsersSet& users = Users();
    if (users.OpenByKey(user, kUserQuery, 1) == 1)
        users.DeleteRow();
    if (users.IsOpen())
        users.Close();
    return TRUE;
}

BOOL QZCurrentUsers::LoginUser(const QZKeyCombo& user) {
    CCurrentUsersSet& users = Users();
    if (users.IsOpen())
        users.Close();
    users.AddNewRecord(0);
    users.m_UserDbID = user.m_DbID;
    users.m_UserID = user.m_KeyID;
    users.m_Login = COleDateTime::GetCurrentTime();
    users.SaveRecord(0);
    users.Close();
    return TRUE;
}

BOOL QZCurrentUsers::ReleaseUserLocks(const QZKeyCombo& user) {
    return Locks().DeleteLocksByUser(user) == 1;
}

BOOL QZCurrentUsers::ReleaseSessionLocks(const QZKeyCombo& user) {
    CString sql;
    sql.Format("DELETE FROM Semaphor WHERE UserDbID = %ld AND UserID = %ld AND SerializedID = "
               "'%ld'",
               user.m_DbID, user.m_KeyID, m_pSiteDb->GetSessionId());
    m_pSiteDb->Execute(sql, dbFailOnError);
    return TRUE;
}

CCurrentUsersSet& QZCurrentUsers::Users() {
    if (m_pUsers == nullptr)
        m_pUsers = std::make_unique<CCurrentUsersSet>(m_pSiteDb);
    return *m_pUsers;
}

CSemaphorSet& QZCurrentUsers::Locks() {
    if (m_pLocks == nullptr)
        m_pLocks = std::make_unique<CSemaphorSet>(m_pSiteDb);
    return *m_pLocks;
}
