// Several program copies on one database file, each a forked process with its own open.

#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestSupport.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <signal.h>
#include <thread>
#include <unistd.h>

namespace {

class MultiProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("site.mdb");
        CreatePeopleDatabase(path, true);
    }

    TempDir dir;
    std::string path;
};

TEST_F(MultiProcessTest, TwoProcessesInsertingAtOnceGetDistinctIncreasingNumbers) {
    constexpr int kRows = 150;
    ProcessSignal go;
    auto inserter = [&](LONG dbId) {
        return std::make_unique<ChildProcess>([&, dbId] {
            CDaoDatabase db;
            db.Open(path.c_str());
            db.SetBusyTimeout(10000);
            go.Wait();
            PeopleSet set(&db);
            set.Open();
            for (int i = 0; i < kRows; ++i) {
                set.AddNew();
                set.m_DbID = dbId;
                set.Update();
            }
            return true;
        });
    };
    auto first = inserter(1);
    auto second = inserter(2);
    go.Send();
    go.Send();
    EXPECT_EQ(0, first->Wait());
    EXPECT_EQ(0, second->Wait());
    CDaoDatabase db;
    db.Open(path.c_str());
    PeopleSet set(&db);
    set.Open(dbOpenSnapshot, "SELECT * FROM People ORDER BY PersonID");
    std::set<LONG> ids;
    std::map<LONG, LONG> lastOf;
    for (; !set.IsEOF(); set.MoveNext()) {
        ids.insert(set.m_PersonID);
        EXPECT_GT(set.m_PersonID, lastOf[set.m_DbID]); // each process saw its numbers increase
        lastOf[set.m_DbID] = set.m_PersonID;
    }
    EXPECT_EQ(2u * kRows, ids.size());
    EXPECT_EQ(1, *ids.begin());
    EXPECT_EQ(2 * kRows, *ids.rbegin());
}

TEST_F(MultiProcessTest, WriteLockHeldPastTheTimeoutIs3260) {
    ProcessSignal locked, release;
    ChildProcess child([&] {
        CDaoDatabase db;
        db.Open(path.c_str());
        db.m_pWorkspace->BeginTrans();
        db.Execute("INSERT INTO People (Name) VALUES ('Held')");
        locked.Send();
        release.Wait();
        db.m_pWorkspace->CommitTrans();
        return true;
    });
    ASSERT_EQ(1, locked.Wait());
    CDaoDatabase db;
    db.Open(path.c_str());
    db.SetBusyTimeout(200);
    PeopleSet set(&db);
    set.Open(); // reading is not blocked by the other writer
    EXPECT_TRUE(set.IsEOF());
    set.AddNew();
    set.m_Name = "Mine";
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(daoErrLocked, DaoErrorOf([&] { set.Update(); }));
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(150));
    EXPECT_LT(waited, std::chrono::seconds(5));
    release.Send();
    EXPECT_EQ(0, child.Wait());
    set.Update(); // the pending row is written once the lock is gone
    PeopleSet all(&db);
    all.Open(dbOpenSnapshot);
    EXPECT_EQ(2, all.GetRecordCount());
}

TEST_F(MultiProcessTest, ExclusiveOpenIsRefusedWhileAnotherProcessHasTheFile) {
    ProcessSignal opened, done;
    ChildProcess child([&] {
        CDaoDatabase db;
        db.Open(path.c_str());
        opened.Send(db.GetSessionId());
        done.Wait();
        return true;
    });
    int childSession = opened.Wait();
    ASSERT_GT(childSession, 0);
    CDaoDatabase exclusive;
    EXPECT_EQ(daoErrFileInUse, DaoErrorOf([&] { exclusive.Open(path.c_str(), TRUE); }));
    CDaoDatabase shared;
    shared.Open(path.c_str());
    EXPECT_TRUE(shared.IsSessionAlive(childSession));
    done.Send();
    EXPECT_EQ(0, child.Wait());
    EXPECT_FALSE(shared.IsSessionAlive(childSession));
    shared.Close();
    exclusive.Open(path.c_str(), TRUE);
    ChildProcess refused([&] {
        CDaoDatabase db;
        return DaoErrorOf([&] { db.Open(path.c_str()); }) == daoErrOpenedExclusively;
    });
    EXPECT_EQ(0, refused.Wait());
}

TEST_F(MultiProcessTest, SessionOfAKilledProcessIsNoLongerAlive) {
    ProcessSignal opened;
    ChildProcess child([&] {
        CDaoDatabase db;
        db.Open(path.c_str());
        opened.Send(db.GetSessionId());
        for (;;)
            pause();
        return true;
    });
    int session = opened.Wait();
    CDaoDatabase db;
    db.Open(path.c_str());
    EXPECT_TRUE(db.IsSessionAlive(session));
    child.Kill();
    EXPECT_FALSE(db.IsSessionAlive(session));
}

// Names in the folder that hold a copy still in the making.
int PartialCopies(const TempDir& dir) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        count += entry.path().filename().string().find(".partial-") != std::string::npos;
    return count;
}

// Killed at any moment, a copy leaves either nothing or the whole file under the copy's name;
// the next copy to that name clears what the killed one left.
TEST_F(MultiProcessTest, CopyKilledAtAnyMomentLeavesNothingOrTheWholeFile) {
    {
        CDaoDatabase db;
        db.Open(path.c_str());
        db.Execute(
            ("INSERT INTO People (Name, Notes) VALUES ('Seed', '" + std::string(2000, 'n') + "')")
                .c_str());
        for (int i = 0; i < 12; ++i) // 4096 rows, some megabytes
            db.Execute("INSERT INTO People (Name, Notes) SELECT Name, Notes FROM People");
    }
    const long rows = 4096;
    std::string copy = dir.file("copy.mdb");
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), TRUE));
    auto copyTime = std::chrono::steady_clock::now() - start;
    std::filesystem::remove(copy);

    std::mt19937 random(std::random_device{}());
    int whole = 0, none = 0;
    for (int trial = 0; trial < 20; ++trial) {
        ProcessSignal started;
        ChildProcess child([&] {
            started.Send();
            return CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), TRUE) != FALSE;
        });
        ASSERT_EQ(1, started.Wait());
        std::uniform_int_distribution<long> moment(0, 3 * copyTime.count() / 2);
        std::this_thread::sleep_for(std::chrono::steady_clock::duration(moment(random)));
        child.Kill();
        if (!std::filesystem::exists(copy)) {
            ++none;
            continue;
        }
        ++whole;
        long copied = 0;
        EXPECT_EQ(0, DaoErrorOf([&] {
                      CDaoDatabase db;
                      db.Open(copy.c_str());
                      PeopleSet set(&db);
                      set.Open(dbOpenSnapshot);
                      copied = set.GetRecordCount();
                  }))
            << "trial " << trial;
        EXPECT_EQ(rows, copied) << "trial " << trial;
        std::filesystem::remove(copy);
    }
    std::printf("copies killed: %d left nothing, %d left the whole file\n", none, whole);
    ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(path.c_str(), copy.c_str(), TRUE));
    EXPECT_EQ(0, PartialCopies(dir));
}

} // namespace
