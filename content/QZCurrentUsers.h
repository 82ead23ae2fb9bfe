#pragma once
// The log-in record of the users of the site database (table CurrentUsers) and the users'
// object claims. The application logs its user in at start-up and out at exit.
//
// A claim names the running program copy (its session) that took it: log-in clears the user's
// claims of copies that no longer run and keeps those of a copy still running; log-out
// releases this copy's own claims with the user's row.

#include "db/CCurrentUsersSet.h"
#include "db/CSemaphorSet.h"
#include "db/CVantrelDb.h"
#include "db/QZKeyCombo.h"
#include "db/QZRecordset.h"

#include <memory>

class QZCurrentUsers : public QZRecordset {
    DECLARE_DYNAMIC(QZCurrentUsers)
public:
    explicit QZCurrentUsers(CVantrelDb* database);
    ~QZCurrentUsers() override;

    // The start-up log-in: clears the user's claims of ended copies, removes a row left over
    // from an earlier run and adds the user's row with the current time. Returns TRUE.
    BOOL LogInAtStartup(const QZKeyCombo& user);
    // The exit log-out: removes the user's row and the claims this copy still holds. Returns
    // TRUE.
    BOOL LogOutAtExit(const QZKeyCombo& user);

    // TRUE when the user has a row.
    BOOL IsUserLoggedIn(const QZKeyCombo& user);
    // Deletes the user's row when there is one. Returns TRUE.
    BOOL LogoutUser(const QZKeyCombo& user);
    // Adds a row for the user with the current time. Returns TRUE.
    BOOL LoginUser(const QZKeyCombo& user);
    // Deletes the user's claims of program copies that no longer run.
    BOOL ReleaseUserLocks(const QZKeyCombo& user);
    // Deletes the user's claims taken by this program copy.
    BOOL ReleaseSessionLocks(const QZKeyCombo& user);

private:
    CCurrentUsersSet& Users();
    CSemaphorSet& Locks();

    CVantrelDb* m_pSiteDb;
    std::unique_ptr<CCurrentUsersSet> m_pUsers;
    std::unique_ptr<CSemaphorSet> m_pLocks;
};
