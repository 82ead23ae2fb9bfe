#include "db/CSemaphorSet.h"

#include "tests/db/SiteDatabaseFixture.h"

#include <chrono>

namespace {

class CSemaphorSetTest : public SiteDatabaseTest {
protected:
    long Claims(const std::string& where = "") {
        return Count("SELECT * FROM Semaphor" + (where.empty() ? "" : " WHERE " + where));
    }
    std::string Session() { return std::to_string(Db().GetSessionId()); }
};

TEST_F(CSemaphorSetTest, LockWritesOneClaimForTheCurrentUserAndThisProgram) {
    CSemaphorSet set(&Db());
    EXPECT_EQ(set.GetTableName(), "Semaphor");
    EXPECT_EQ(set.Lock(QZKeyCombo(kDbId, 9, OBJ_IMAGE)), 1);
    EXPECT_EQ(Claims(), 1);
    EXPECT_EQ(Claims("ObjDbID = 5 AND ObjKeyID = 9 AND ObjTypeID = 4 AND UserDbID = 5 AND "
                     "UserID = 100 AND DateLocked IS NOT NULL AND SerializedID = '" +
                     Session() + "'"),
              1);
    CSemaphorSet written(&Db());
    written.Open(dbOpenDynaset, "SELECT * FROM Semaphor");
    COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_LT(std::abs(now.m_dt - written.m_DateLocked.m_dt), 1.0 / 24 / 60); // within a minute
}

TEST_F(CSemaphorSetTest, ASecondClaimOnOneObjectIsRefusedWhoeverAsks) {
    CSemaphorSet first(&Db());
    ASSERT_EQ(first.Lock(QZKeyCombo(kDbId, 9, OBJ_PAGE)), 1);
    CSemaphorSet sameUser(&Db());
    EXPECT_EQ(sameUser.Lock(QZKeyCombo(kDbId, 9, OBJ_PAGE)), 2);
    TestApp().GetUserKey().SetKey(kDbId, 101);
    CSemaphorSet otherUser(&Db());
    EXPECT_EQ(otherUser.Lock(QZKeyCombo(kDbId, 9, OBJ_PAGE)), 2);
    EXPECT_EQ(Claims(), 1);
    CSemaphorSet otherType(&Db());
    EXPECT_EQ(otherType.Lock(QZKeyCombo(kDbId, 9, OBJ_MACRO)), 1);
    EXPECT_EQ(Claims(), 2);

    EXPECT_EQ(sameUser.Unlock(QZKeyCombo()), 1); // its claim was refused: nothing to delete
    EXPECT_EQ(Claims(), 2);
}

TEST_F(CSemaphorSetTest, UnlockDeletesTheClaimOnce) {
    CSemaphorSet never(&Db());
    EXPECT_EQ(never.Unlock(QZKeyCombo()), 1);
    CSemaphorSet set(&Db());
    ASSERT_EQ(set.Lock(QZKeyCombo(kDbId, 9)), 1);
    CSemaphorSet other(&Db());
    ASSERT_EQ(other.Lock(QZKeyCombo(kDbId, 10)), 1);
    EXPECT_EQ(set.Unlock(QZKeyCombo()), 1);
    EXPECT_EQ(Claims(), 1);
    EXPECT_EQ(set.Unlock(QZKeyCombo()), 1);
    EXPECT_EQ(Claims("ObjKeyID = 10"), 1);
    // A new claim on the same set starts a new cycle.
    EXPECT_EQ(set.Lock(QZKeyCombo(kDbId, 9)), 1);
    EXPECT_EQ(set.Unlock(QZKeyCombo()), 1);
    EXPECT_EQ(Claims(), 1);
}

TEST_F(CSemaphorSetTest, UnlockThatFailsShowsTheEngineMessageAndSaysZero) {
    CSemaphorSet set(&Db());
    ASSERT_EQ(set.Lock(QZKeyCombo(kDbId, 9)), 1);
    COleVariant bookmark = set.GetLastModifiedBookmark();
    ExecuteOn(m_path, "DELETE FROM Semaphor");
    MessageBoxRecorder boxes;
    EXPECT_EQ(set.Unlock(QZKeyCombo()), 0);
    std::string expected = EngineErrorText([&] {
        set.SetBookmark(bookmark);
        set.Delete();
    });
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{expected});
    EXPECT_EQ(boxes.shown()[0].type, MB_OK);
}

TEST_F(CSemaphorSetTest, ClaimWhileTheTableStaysBusyGivesZeroAfterWaitingSixTimes) {
    Db().SetBusyTimeout(50);
    CSemaphorSet set(&Db());
    auto start = std::chrono::steady_clock::now();
    {
        WriteLockHolder other(m_path);
        EXPECT_EQ(set.Lock(QZKeyCombo(kDbId, 9)), 0);
    }
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(6 * 50 - 20));
    EXPECT_EQ(Claims(), 0);
    EXPECT_EQ(set.Unlock(QZKeyCombo()), 1);
    EXPECT_EQ(set.Lock(QZKeyCombo(kDbId, 9)), 1);
    EXPECT_EQ(Claims(), 1);
}

TEST_F(CSemaphorSetTest, DeleteLocksByUserClearsOnlyThatUsersClaimsOfEndedPrograms) {
    CSemaphorSet live(&Db());
    ASSERT_EQ(live.Lock(QZKeyCombo(kDbId, 1)), 1); // user 5:100, this program
    const char* rows[] = {
        "(5, 2, 2, 5, 100, '999999')",                    // a program no longer running
        "(5, 3, 2, 5, 100, '3000 11/13/96 10:12:00 AM')", // written without a session
        "(5, 4, 2, 5, 100, '')",
        "(5, 5, 2, 5, 101, '999999')", // another user
        "(5, 6, 2, 4, 100, '999999')", // another user's DbID
    };
    for (const char* row : rows)
        ExecuteOn(m_path, std::string("INSERT INTO Semaphor (ObjDbID, ObjKeyID, ObjTypeID, "
                                      "UserDbID, UserID, SerializedID) VALUES ") +
                              row);
    CSemaphorSet set(&Db());
    EXPECT_EQ(set.DeleteLocksByUser(QZKeyCombo(kDbId, 100)), 1);
    EXPECT_EQ(Claims(), 3);
    EXPECT_EQ(Claims("ObjKeyID IN (1, 5, 6)"), 3);
}

TEST_F(CSemaphorSetTest, DeleteLocksByUserAnswersOneWhenEveryClaimOfTheUserGoes) {
    for (const char* row : {"(5, 2, 2, 5, 100, '999999')", "(5, 3, 2, 5, 100, '')"})
        ExecuteOn(m_path, std::string("INSERT INTO Semaphor (ObjDbID, ObjKeyID, ObjTypeID, "
                                      "UserDbID, UserID, SerializedID) VALUES ") +
                              row);
    CSemaphorSet set(&Db());
    EXPECT_EQ(set.DeleteLocksByUser(QZKeyCombo(kDbId, 100)), 1);
    EXPECT_EQ(Claims(), 0);
}

TEST_F(CSemaphorSetTest, DeleteLocksByUserOnAClosedDatabaseSaysZeroSilently) {
    MessageBoxRecorder boxes;
    CDaoDatabase closed;
    CSemaphorSet set(&closed);
    EXPECT_EQ(set.DeleteLocksByUser(QZKeyCombo(kDbId, 100)), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CSemaphorSetTest, PreparesTheUsersDeleteQueryWithItsThreeParameters) {
    CSemaphorSet set(&Db());
    EXPECT_EQ(set.PrepareQuery("MQ_DeleteSemaphorLockByUserDbID_UserID"), 1);
    EXPECT_EQ(set.SetKeyParameters(QZKeyCombo(kDbId, 100, OBJ_AUTHOR)), 1);
}

} // namespace
