#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { path = dir.file("site.mdb"); }

    TempDir dir;
    std::string path;
};

TEST_F(DatabaseTest, OpenAndCreateFailuresCarryTheEngineNumbers) {
    CDaoDatabase db;
    EXPECT_EQ(daoErrFileNotFound, DaoErrorOf([&] { db.Open(dir.file("none.mdb").c_str()); }));
    std::ofstream(dir.file("text.mdb")) << "not a database at all, just some text in a file";
    EXPECT_EQ(daoErrNotADatabase, DaoErrorOf([&] { db.Open(dir.file("text.mdb").c_str()); }));
    EXPECT_FALSE(db.IsOpen());
    db.Create(path.c_str());
    db.Close();
    EXPECT_EQ(daoErrDatabaseExists, DaoErrorOf([&] { db.Create(path.c_str()); }));
    EXPECT_EQ(daoErrObjectClosed, DaoErrorOf([&] { db.GetTableDefCount(); }));
}

TEST_F(DatabaseTest, CreateRecordsTheLocaleAndLeavesTheDatabaseOpen) {
    CDaoDatabase db;
    db.Create(path.c_str(), ";LANGID=0x0409;CP=1252;COUNTRY=0");
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(CString(path.c_str()), db.GetName());
    CDaoRecordset set(&db);
    set.Open(dbOpenSnapshot, "SELECT Value FROM MSysMqProperties WHERE Name = 'Locale'");
    EXPECT_EQ(CString(";LANGID=0x0409;CP=1252;COUNTRY=0"), set.GetFieldValue(0).bstrVal);
}

TEST_F(DatabaseTest, ACopiedFileCarriesTablesQueriesAndRowsEvenWhileOpen) {
    CreatePeopleDatabase(path, true);
    CDaoDatabase db;
    db.Open(path.c_str());
    CDaoQueryDef query(&db);
    query.Create("MQ_All", "SELECT * FROM People");
    query.Append();
    db.Execute("INSERT INTO People (Name) VALUES ('Ann')"); // still in the journal
    std::string copy = dir.file("copy.mdb");
    EXPECT_TRUE(CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), TRUE));
    EXPECT_FALSE(CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), TRUE));
    CDaoDatabase copied;
    copied.Open(copy.c_str());
    PeopleSet set(&copied);
    set.Open(dbOpenDynaset, "MQ_All");
    EXPECT_EQ(CString("Ann"), set.m_Name);
    set.AddNew();
    set.Update(); // numbering goes on in the copy
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(2, set.m_PersonID);
}

TEST_F(DatabaseTest, ACopyThatFailsLeavesNoFileUnderTheCopysName) {
    std::ofstream(path) << "not a database at all, just some text in a file";
    std::string copy = dir.file("copy.mdb");
    for (BOOL failIfExists : {TRUE, FALSE}) {
        EXPECT_FALSE(CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), failIfExists));
        EXPECT_FALSE(std::filesystem::exists(copy));
    }
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path()),
                               std::filesystem::directory_iterator()))
        << "only the source is left";
}

namespace {
// The id of a process that has ended.
pid_t DeadProcessId() {
    pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}
} // namespace

TEST_F(DatabaseTest, ACopyRemovesWhatCopiesOfDeadProgramsLeftAndNothingElse) {
    CreatePeopleDatabase(path, true);
    std::string copy = dir.file("copy.mdb");
    pid_t dead = DeadProcessId();
    std::string abandoned = copy + ".partial-" + std::to_string(dead);
    std::string running = copy + ".partial-" + std::to_string(getppid());
    std::string otherName = dir.file("other.mdb.partial-" + std::to_string(dead));
    for (const std::string& file : {abandoned, abandoned + "-journal", running, otherName})
        std::ofstream(file) << "half a copy";
    ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), TRUE));
    EXPECT_FALSE(std::filesystem::exists(abandoned));
    EXPECT_FALSE(std::filesystem::exists(abandoned + "-journal"));
    EXPECT_TRUE(std::filesystem::exists(running)) << "its program may still be making it";
    EXPECT_TRUE(std::filesystem::exists(otherName));
}

TEST_F(DatabaseTest, ReadOnlyOpenRefusesChanges) {
    CreatePeopleDatabase(path, true);
    CDaoDatabase db;
    db.Open(path.c_str(), FALSE, TRUE);
    EXPECT_FALSE(db.CanUpdate());
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { db.Execute("DELETE FROM People"); }));
    PeopleSet set(&db);
    set.Open();
    EXPECT_FALSE(set.CanUpdate());
}

TEST_F(DatabaseTest, ExclusiveOpenIsRefusedWhileTheFileIsOpenAndTheOtherWayRound) {
    CreatePeopleDatabase(path, true);
    CDaoDatabase shared;
    shared.Open(path.c_str());
    CDaoDatabase exclusive;
    EXPECT_EQ(daoErrFileInUse, DaoErrorOf([&] { exclusive.Open(path.c_str(), TRUE); }));
    shared.Close();
    exclusive.Open(path.c_str(), TRUE);
    EXPECT_EQ(daoErrOpenedExclusively, DaoErrorOf([&] { shared.Open(path.c_str()); }));
    exclusive.Close();
    shared.Open(path.c_str());
}

TEST_F(DatabaseTest, EachOpenHasItsOwnLiveSession) {
    CreatePeopleDatabase(path, true);
    CDaoDatabase first;
    first.Open(path.c_str());
    CDaoDatabase second;
    second.Open(path.c_str());
    LONG id = second.GetSessionId();
    EXPECT_GT(first.GetSessionId(), 0);
    EXPECT_NE(first.GetSessionId(), id);
    EXPECT_TRUE(first.IsSessionAlive(first.GetSessionId()));
    EXPECT_TRUE(first.IsSessionAlive(id));
    second.Close();
    EXPECT_FALSE(first.IsSessionAlive(id));
    EXPECT_FALSE(first.IsSessionAlive(0));
}

TEST_F(DatabaseTest, RollbackDropsEveryChangeOfTheTransaction) {
    CreatePeopleDatabase(path, true);
    CDaoDatabase db;
    db.Open(path.c_str());
    db.m_pWorkspace->BeginTrans();
    db.Execute("INSERT INTO People (Name) VALUES ('Ann')");
    db.Execute("INSERT INTO People (Name) VALUES ('Bea')");
    db.m_pWorkspace->Rollback();
    db.m_pWorkspace->BeginTrans();
    db.Execute("INSERT INTO People (Name) VALUES ('Cid')");
    db.m_pWorkspace->CommitTrans();
    PeopleSet set(&db);
    set.Open(dbOpenSnapshot);
    EXPECT_EQ(1, set.GetRecordCount());
    EXPECT_EQ(CString("Cid"), set.m_Name);
    EXPECT_EQ(daoErrNoTransaction, DaoErrorOf([&] { db.m_pWorkspace->CommitTrans(); }));
}

TEST_F(DatabaseTest, ExceptionReportShowsItsOwnText) {
    MessageBoxRecorder boxes;
    CDaoDatabase db;
    try {
        db.Open(dir.file("none.mdb").c_str());
        FAIL() << "no exception";
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError();
    }
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_NE(std::string::npos, boxes.texts()[0].find("none.mdb"));
    EXPECT_EQ(MB_OK, boxes.shown()[0].type & MB_TYPEMASK);
}

} // namespace
