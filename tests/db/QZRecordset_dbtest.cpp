#include "db/QZRecordset.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"
#include "tests/support/ChildProcess.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/db/TestAuthorRowSet.h"

#include <memory>

namespace {

constexpr const char* kAuthorQuery = "MQ_GetAuthorByDbID_AuthorID";

class QZRecordsetTest : public SiteDatabaseTest {
protected:
    // A saved author row of this database, unclaimed; its AuthorID.
    LONG AddAuthor(const char* name) {
        TestAuthorRowSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(0), 1);
        set.m_AuthorName = name;
        EXPECT_EQ(set.SaveRecord(0), 1);
        return set.m_AuthorID;
    }
    long Claims() { return Count("SELECT * FROM Semaphor"); }
    long ClaimsOn(LONG authorId) {
        return Count("SELECT * FROM Semaphor WHERE ObjDbID = 5 AND ObjTypeID = 14 AND ObjKeyID = " +
                     std::to_string(authorId));
    }
    long AuthorsNamed(const std::string& name) {
        return Count("SELECT * FROM Authors WHERE AuthorName = '" + name + "'");
    }
};

TEST_F(QZRecordsetTest, AddNewRecordWritesTheRowWithItsDbIdAndClaimsIt) {
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.AddNewRecord(0), 1);
    EXPECT_TRUE(set.IsLockHeld());
    EXPECT_EQ(set.m_DbID, kDbId);
    std::string id = std::to_string(set.m_AuthorID);
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE DbID = 5 AND AuthorID = " + id), 1);
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE DbID = 0"), 0);
    EXPECT_EQ(AuthorsNamed("New Author"), 0); // new-row defaults reach the row at the save
    CString session;
    session.Format("%ld", Db().GetSessionId());
    EXPECT_EQ(Count("SELECT * FROM Semaphor WHERE ObjDbID = 5 AND ObjKeyID = " + id +
                    " AND ObjTypeID = 14 AND UserDbID = 5 AND UserID = 100 AND SerializedID = '" +
                    session.str() + "'"),
              1);

    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(AuthorsNamed("New Author"), 1);
    EXPECT_EQ(Claims(), 0);
    EXPECT_FALSE(set.IsLockHeld());
}

TEST_F(QZRecordsetTest, AddNewRecordThatCannotClaimItsRowLeavesNoRow) {
    // A leftover claim on the key the new row will get.
    ExecuteOn(m_path, "INSERT INTO Semaphor (ObjDbID, ObjKeyID, ObjTypeID, SerializedID) "
                      "VALUES (5, 1, 14, 'old')");
    MessageBoxRecorder boxes;
    TestAuthorRowSet set(&Db());
    EXPECT_EQ(set.AddNewRecord(0), 0);
    EXPECT_FALSE(set.IsLockHeld());
    EXPECT_EQ(Count("SELECT * FROM Authors"), 0);
    EXPECT_EQ(Claims(), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(QZRecordsetTest, AddNewRecordWithTheLockTableBusyGivesZeroAndNoRow) {
    Db().SetBusyTimeout(50);
    MessageBoxRecorder boxes;
    {
        WriteLockHolder other(m_path);
        TestAuthorRowSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(0), 0);
        EXPECT_FALSE(set.IsLockHeld());
    }
    EXPECT_EQ(Count("SELECT * FROM Authors"), 0);
    EXPECT_EQ(Claims(), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(QZRecordsetTest, AddNewRecordOnAReadOnlyDatabaseShowsTheEngineMessage) {
    Db().Close();
    CDaoDatabase readOnly;
    readOnly.Open(m_path.c_str(), FALSE, TRUE);
    std::string expected = EngineErrorText([&] { readOnly.m_pWorkspace->BeginTrans(); });
    ASSERT_FALSE(expected.empty());
    MessageBoxRecorder boxes;
    TestAuthorRowSet set(&readOnly);
    EXPECT_EQ(set.AddNewRecord(0), 0);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{expected});
    EXPECT_EQ(boxes.shown()[0].type, MB_OK);
    EXPECT_EQ(Count("SELECT * FROM Authors"), 0);
}

TEST_F(QZRecordsetTest, OpenByKeyAnswersFoundNotFoundAndReadOnly) {
    LONG live = AddAuthor("Live");
    LONG gone = AddAuthor("Gone");
    LONG shared = AddAuthor("Shared");
    ExecuteOn(m_path, "UPDATE Authors SET Deleted = 1 WHERE AuthorID = " + std::to_string(gone));
    ExecuteOn(m_path, "UPDATE Authors SET DbID = 1 WHERE AuthorID = " + std::to_string(shared));
    const struct {
        const char* what;
        QZKeyCombo key;
        int lock;
        int result;
        long claims;
    } cases[] = {
        {"live row, no claim", QZKeyCombo(kDbId, live), 0, 1, 0},
        {"live row, claimed", QZKeyCombo(kDbId, live), 1, 1, 1},
        {"deleted row", QZKeyCombo(kDbId, gone), 1, 3, 0},
        {"deleted row, no claim", QZKeyCombo(kDbId, gone), 0, 3, 0},
        {"missing row", QZKeyCombo(kDbId, 999), 1, 3, 0},
        {"row of DbID 1", QZKeyCombo(1, shared), 1, 2, 0},
        {"row of DbID 1, no claim", QZKeyCombo(1, shared), 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestAuthorRowSet set(&Db());
        EXPECT_EQ(set.OpenByKey(c.key, kAuthorQuery, c.lock), c.result);
        EXPECT_EQ(set.GetQueryName(), kAuthorQuery);
        EXPECT_EQ(Claims(), c.claims);
        if (c.result != 3) {
            EXPECT_EQ(set.m_AuthorID, c.key.m_KeyID);
        }
    }
}

TEST_F(QZRecordsetTest, TwoProgramsClaimingOneObjectGetOneAndTwo) {
    LONG id = AddAuthor("Contended");
    std::string dir = m_dir.path().string();
    ChildProcess child(
        "claim",
        {{"DB", m_path}, {"DIR", dir}, {"USER", "5:200"}, {"KEY", "5:" + std::to_string(id)}});
    ASSERT_EQ(WaitForFile(dir + "/claimed"), "1");

    TestAuthorRowSet set(&Db());
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 2);
    EXPECT_EQ(set.m_AuthorName, "Contended"); // the read-only copy has its row
    EXPECT_FALSE(set.IsLockHeld());
    EXPECT_EQ(Count("SELECT * FROM Semaphor WHERE UserID = 200"), 1);

    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(child.Wait(), 0);
    EXPECT_EQ(Claims(), 0);
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
    EXPECT_EQ(Count("SELECT * FROM Semaphor WHERE UserID = 100"), 1);
}

TEST_F(QZRecordsetTest, OpenByKeyWithTheLockTableBusyGivesZero) {
    LONG id = AddAuthor("Busy");
    Db().SetBusyTimeout(50);
    MessageBoxRecorder boxes;
    TestAuthorRowSet set(&Db());
    {
        WriteLockHolder other(m_path);
        EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 0);
    }
    EXPECT_FALSE(set.IsLockHeld());
    EXPECT_EQ(Claims(), 0);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
}

TEST_F(QZRecordsetTest, LockRecordReadsTheRowAgainOnceClaimed) {
    LONG changed = AddAuthor("Before");
    LONG removed = AddAuthor("Doomed");
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, changed), kAuthorQuery, 0), 1);
    ExecuteOn(m_path, "UPDATE Authors SET AuthorName = 'After' WHERE AuthorID = " +
                          std::to_string(changed));
    EXPECT_EQ(set.LockRecord(QZKeyCombo(kDbId, changed)), 1);
    EXPECT_EQ(set.m_AuthorName, "After");
    EXPECT_TRUE(set.IsLockHeld());

    TestAuthorRowSet gone(&Db());
    ASSERT_EQ(gone.OpenByKey(QZKeyCombo(kDbId, removed), kAuthorQuery, 0), 1);
    ExecuteOn(m_path, "DELETE FROM Authors WHERE AuthorID = " + std::to_string(removed));
    EXPECT_EQ(gone.LockRecord(QZKeyCombo(kDbId, removed)), 3);
    EXPECT_FALSE(gone.IsLockHeld());
    EXPECT_EQ(ClaimsOn(removed), 0);
    EXPECT_EQ(ClaimsOn(changed), 1);
}

TEST_F(QZRecordsetTest, RowLockedByTheEngineGivesReadOnlyOnlyWithTheRowFetched) {
    LONG id = AddAuthor("Locked");
    auto locked = [] { CDaoException::Throw(daoErrLocked, "The row is locked."); };
    MessageBoxRecorder boxes;
    TestAuthorRowSet set(&Db());
    set.m_beforeOpen = locked;
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 0);
    set.m_onObjectType = locked; // met in the claim, after the row was read
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 2);
    EXPECT_EQ(set.m_AuthorName, "Locked");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(Claims(), 0);
}

TEST_F(QZRecordsetTest, UnknownStoredQueryShowsTheEngineMessageAndPassesTheError) {
    std::string expected = EngineErrorText([&] {
        CDaoQueryDef query(&Db());
        query.Open("MQ_NoSuchQuery");
    });
    ASSERT_FALSE(expected.empty());
    MessageBoxRecorder boxes;
    TestAuthorRowSet set(&Db());
    LONG code = 0;
    try {
        set.OpenByKey(QZKeyCombo(kDbId, 1), "MQ_NoSuchQuery", 1);
    } catch (CDaoException* e) {
        code = CaughtDaoError(e).Code();
    }
    EXPECT_EQ(code, daoErrItemNotFound);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{expected});
}

TEST_F(QZRecordsetTest, OpeningAgainGivesUpTheClaimHeldBefore) {
    LONG first = AddAuthor("First");
    LONG second = AddAuthor("Second");
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, first), kAuthorQuery, 1), 1);
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, first), kAuthorQuery, 1), 1);
    EXPECT_EQ(ClaimsOn(first), 1);
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, second), kAuthorQuery, 1), 1);
    EXPECT_EQ(ClaimsOn(first), 0);
    EXPECT_EQ(ClaimsOn(second), 1);
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, first), kAuthorQuery, 0), 1);
    EXPECT_EQ(Claims(), 0);
}

TEST_F(QZRecordsetTest, SaveWithTheClaimKeptThenReleased) {
    LONG id = AddAuthor("Draft");
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
    set.m_AuthorName = "Final";
    EXPECT_EQ(set.SaveRecord(1), 1);
    EXPECT_EQ(AuthorsNamed("Final"), 1);
    EXPECT_EQ(ClaimsOn(id), 1);
    EXPECT_TRUE(set.IsLockHeld());
    set.m_AuthorPassword = "secret";
    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE AuthorPassword = 'secret'"), 1);
    EXPECT_EQ(ClaimsOn(id), 0);
    EXPECT_FALSE(set.IsLockHeld());
}

TEST_F(QZRecordsetTest, SaveWritesTheOwnIdOnlyWithCopyOwnIdAndNeverChangesIt) {
    LONG id = AddAuthor("Numbered");
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
    set.m_AuthorID = id + 50; // not written without the copy-own-ID flag
    set.m_AuthorName = "Renamed";
    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE AuthorName = 'Renamed' AND AuthorID = " +
                    std::to_string(id)),
              1);
}

TEST_F(QZRecordsetTest, SetsThatMayNotWriteSaveNothingAndSayZero) {
    LONG id = AddAuthor("Untouched");
    TestAuthorRowSet owner(&Db());
    ASSERT_EQ(owner.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
    const struct {
        const char* what;
        int lock;
        int openResult;
    } cases[] = {{"opened without a claim", 0, 1}, {"read-only copy", 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestAuthorRowSet set(&Db());
        ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, c.lock), c.openResult);
        set.m_AuthorName = "Changed";
        EXPECT_EQ(set.SaveRecord(0), 0);
        EXPECT_EQ(AuthorsNamed("Untouched"), 1);
    }
    EXPECT_EQ(ClaimsOn(id), 1); // the owner's claim is untouched
}

TEST_F(QZRecordsetTest, SaveThatCannotWriteKeepsTheClaimAndTheChanges) {
    LONG id = AddAuthor("Before");
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
    set.m_AuthorName = "After";

    Db().SetBusyTimeout(50);
    {
        WriteLockHolder other(m_path); // the Update cannot get the write lock
        EXPECT_EQ(set.SaveRecord(0), 0);
    }
    EXPECT_EQ(set.m_AuthorName, "After");
    EXPECT_TRUE(set.IsLockHeld());
    EXPECT_EQ(ClaimsOn(id), 1);
    EXPECT_EQ(AuthorsNamed("Before"), 1);

    set.m_editRefusals = 6; // the row stays locked for every Edit try
    EXPECT_EQ(set.SaveRecord(0), 0);
    EXPECT_EQ(set.m_AuthorName, "After");
    EXPECT_EQ(ClaimsOn(id), 1);

    set.m_editRefusals = 5; // the sixth try gets through
    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(AuthorsNamed("After"), 1);
    EXPECT_EQ(ClaimsOn(id), 0);
}

TEST_F(QZRecordsetTest, MembersComeBackWhenTheRewriteFailsWithAnotherError) {
    LONG id = AddAuthor("Stored");
    TestAuthorRowSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
    set.m_AuthorName = "Edited";
    set.m_AuthorPassword = "plain";
    set.m_afterEdit = [] { CDaoException::Throw(daoErrDiskIo, "The disk failed."); };
    LONG code = 0;
    try {
        set.SaveRecord(0);
    } catch (CDaoException* e) {
        code = CaughtDaoError(e).Code();
    }
    EXPECT_EQ(code, daoErrDiskIo);
    EXPECT_EQ(set.m_AuthorName, "Edited"); // Edit had reloaded "Stored" into the members
    EXPECT_EQ(set.m_AuthorPassword, "plain");
    EXPECT_EQ(ClaimsOn(id), 1);
}

TEST_F(QZRecordsetTest, DestroyingASetGivesUpItsClaim) {
    LONG id = AddAuthor("Abandoned");
    {
        TestAuthorRowSet set(&Db());
        ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), kAuthorQuery, 1), 1);
        EXPECT_EQ(ClaimsOn(id), 1);
    }
    EXPECT_EQ(Claims(), 0);
}

TEST_F(QZRecordsetTest, StepsThroughRowsAndKeepsValuesWhenClosed) {
    AddAuthor("Only");
    TestAuthorRowSet set(&Db());
    EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, 999), kAuthorQuery, 0), 3);
    EXPECT_EQ(set.MoveFirstRow(), 0);
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, 1), kAuthorQuery, 0), 1);
    EXPECT_EQ(set.MoveFirstRow(), 1);
    EXPECT_EQ(set.MoveNextRow(), 0);
    EXPECT_EQ(set.MoveFirstRow(), 1);
    EXPECT_EQ(set.CloseQueryAndSet(), 1);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_EQ(set.m_AuthorName, "Only");
}

TEST_F(QZRecordsetTest, KeyGettersShareOneScratchKey) {
    TestAuthorRowSet set(&Db());
    set.m_DbID = 3;
    set.m_AuthorID = 7;
    QZKeyCombo& first = set.GetKey();
    set.m_AuthorID = 8;
    QZKeyCombo& second = set.GetKey();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.m_KeyID, 8);
    EXPECT_EQ(first.m_ObjectType, OBJ_PAGE); // getters never set the type
}

TEST_F(QZRecordsetTest, BaseAnswersWithoutATable) {
    QZRecordset base(&Db());
    EXPECT_EQ(base.GetTableName(), "<Base Class Name>");
    EXPECT_EQ(base.GetObjectType(), -1);
    EXPECT_EQ(base.RewriteRecord(), 0);
    EXPECT_EQ(base.GetKey().FormatFull(), "0:0");
    EXPECT_EQ(base.GetSetDbId(), kDbId);
    base.CancelUpdate(); // outside an edit: nothing happens
    EXPECT_TRUE(base.IsKindOf(RUNTIME_CLASS(QZRecordset)));
}

} // namespace
