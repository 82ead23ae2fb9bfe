#include "db/CCurrentUsersSet.h"

#include "db/CSemaphorSet.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CaughtDaoError.h"
#include "tests/support/ChildProcess.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/db/TestAuthorRowSet.h"

#include <filesystem>

namespace {

constexpr const char* kUserQuery = "MQ_GetCurrentUserByDbId_UserID";

// What the user registry of the content layer does with these sets at start-up and exit.
BOOL IsUserLoggedIn(CDaoDatabase* db, const QZKeyCombo& user) {
    CCurrentUsersSet set(db);
    set.OpenByKey(user, kUserQuery, 0);
    BOOL found = set.MoveFirstRow() == 1;
    set.Close();
    return found;
}

int LogoutUser(CDaoDatabase* db, const QZKeyCombo& user) {
    try {
        CCurrentUsersSet set(db);
        if (set.OpenByKey(user, kUserQuery, 1) == 1)
            set.DeleteRow();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        return 0;
    }
    return 1;
}

void LoginUser(CDaoDatabase* db, const QZKeyCombo& user) {
    CCurrentUsersSet set(db);
    set.AddNewRecord(0);
    set.m_UserID = user.m_KeyID;
    set.m_UserDbID = user.m_DbID;
    set.m_Login = COleDateTime::GetCurrentTime();
    set.SaveRecord(0);
}

void LogIn(CDaoDatabase* db, const QZKeyCombo& user) {
    if (IsUserLoggedIn(db, user)) {
        CSemaphorSet locks(db);
        locks.DeleteLocksByUser(user);
        LogoutUser(db, user);
    }
    LoginUser(db, user);
}

class CCurrentUsersSetTest : public SiteDatabaseTest {
protected:
    long UserRows(const char* where = "UserDbID = 5 AND UserID = 100") {
        return Count(std::string("SELECT * FROM CurrentUsers WHERE ") + where);
    }
    // A saved, unclaimed author row; its AuthorID.
    LONG AddAuthor() {
        TestAuthorRowSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(0), 1);
        EXPECT_EQ(set.SaveRecord(0), 1);
        return set.m_AuthorID;
    }
};

TEST_F(CCurrentUsersSetTest, LogInWritesOneRowWithTheUserAndTheTime) {
    QZKeyCombo user(kDbId, 100);
    EXPECT_FALSE(IsUserLoggedIn(&Db(), user));
    LogIn(&Db(), user);
    EXPECT_EQ(UserRows(), 1);
    EXPECT_TRUE(IsUserLoggedIn(&Db(), user));
    CCurrentUsersSet set(&Db());
    ASSERT_EQ(set.OpenByKey(user, kUserQuery, 0), 1);
    EXPECT_EQ(set.GetTableName(), "CurrentUsers");
    EXPECT_LT(COleDateTime::GetCurrentTime().m_dt - set.m_Login.m_dt, 1.0 / 24 / 60);
}

TEST_F(CCurrentUsersSetTest, LogOutDeletesOneRowAndWithoutARowChangesNothing) {
    QZKeyCombo user(kDbId, 100);
    EXPECT_EQ(LogoutUser(&Db(), user), 1);
    LoginUser(&Db(), user);
    LoginUser(&Db(), user);
    LoginUser(&Db(), QZKeyCombo(kDbId, 101));
    EXPECT_EQ(LogoutUser(&Db(), user), 1);
    EXPECT_EQ(UserRows(), 1);
    EXPECT_EQ(LogoutUser(&Db(), user), 1);
    EXPECT_EQ(UserRows(), 0);
    EXPECT_EQ(UserRows("UserID = 101"), 1);
}

TEST_F(CCurrentUsersSetTest, OpenByKeyFindsEditsOrAnswersNoRow) {
    QZKeyCombo user(kDbId, 100);
    CCurrentUsersSet set(&Db());
    EXPECT_EQ(set.OpenByKey(user, kUserQuery, 1), 3);
    EXPECT_EQ(set.MoveFirstRow(), 0);
    LoginUser(&Db(), user);
    EXPECT_EQ(set.OpenByKey(user, kUserQuery, 0), 1);
    EXPECT_EQ(set.GetEditMode(), dbEditNone);
    EXPECT_EQ(set.OpenByKey(user, kUserQuery, 1), 1);
    EXPECT_EQ(set.GetEditMode(), dbEditInProgress);
    set.m_UserID = 102;
    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(UserRows("UserID = 102"), 1);
    EXPECT_EQ(set.SaveRecord(0), 1); // nothing pending: nothing happens
}

TEST_F(CCurrentUsersSetTest, UnknownStoredQueryShowsTheEngineMessageAndPassesTheError) {
    std::string expected = EngineErrorText([&] {
        CDaoQueryDef query(&Db());
        query.Open("MQ_NoSuchQuery");
    });
    ASSERT_FALSE(expected.empty());
    MessageBoxRecorder boxes;
    CCurrentUsersSet set(&Db());
    std::string passed =
        EngineErrorText([&] { set.OpenByKey(QZKeyCombo(kDbId, 100), "MQ_NoSuchQuery", 0); });
    EXPECT_EQ(passed, expected);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{expected});
    EXPECT_EQ(boxes.shown()[0].type, MB_OK);
}

TEST_F(CCurrentUsersSetTest, LogInClearsClaimsOfEndedProgramsAndKeepsThoseOfRunningOnes) {
    LONG crashed = AddAuthor();
    LONG running = AddAuthor();
    std::string dir = m_dir.path().string();
    std::string crashedDir = dir + "/crashed";
    std::string runningDir = dir + "/running";
    std::filesystem::create_directory(crashedDir);
    std::filesystem::create_directory(runningDir);

    // The same user ran a copy that crashed with a claim, and runs another that holds one.
    ChildProcess dead("claim", {{"DB", m_path},
                                {"DIR", crashedDir},
                                {"USER", "5:100"},
                                {"KEY", "5:" + std::to_string(crashed)},
                                {"DIE", "1"}});
    ASSERT_EQ(WaitForFile(crashedDir + "/claimed"), "1");
    EXPECT_EQ(dead.Wait(), 0);
    ChildProcess live("claim", {{"DB", m_path},
                                {"DIR", runningDir},
                                {"USER", "5:100"},
                                {"KEY", "5:" + std::to_string(running)}});
    ASSERT_EQ(WaitForFile(runningDir + "/claimed"), "1");
    ExecuteOn(m_path, "INSERT INTO Semaphor (ObjDbID, ObjKeyID, ObjTypeID, UserDbID, UserID, "
                      "SerializedID) VALUES (5, 77, 2, 5, 101, '999999')"); // another user's
    LoginUser(&Db(), QZKeyCombo(kDbId, 100)); // the crashed copy's row

    LogIn(&Db(), QZKeyCombo(kDbId, 100));
    EXPECT_EQ(Count("SELECT * FROM Semaphor WHERE ObjKeyID = " + std::to_string(crashed)), 0);
    EXPECT_EQ(Count("SELECT * FROM Semaphor WHERE ObjKeyID = " + std::to_string(running)), 1);
    EXPECT_EQ(Count("SELECT * FROM Semaphor WHERE ObjKeyID = 77"), 1);
    EXPECT_EQ(UserRows(), 1);

    // The running copy's object is still its own.
    TestAuthorRowSet set(&Db());
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, running), "MQ_GetAuthorByDbID_AuthorID", 1), 2);
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, crashed), "MQ_GetAuthorByDbID_AuthorID", 1), 1);

    WriteFileAtomically(runningDir + "/release", "");
    EXPECT_EQ(live.Wait(), 0);
}

} // namespace
