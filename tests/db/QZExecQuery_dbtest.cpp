// The action query runner on the seeded site (SeededSite.h, DbID 5): service 5:10 holds a live
// and a deleted row of every kind, both in section 5:10.

#include "db/QZExecQuery.h"

#include "tests/db/SeededSite.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <iterator>
#include <span>
#include <string>

namespace {

class QZExecQueryTest : public SiteDatabaseTest {
protected:
    void SetUp() override {
        SiteDatabaseTest::SetUp();
        for (const std::string& sql : SeededSiteStatements(kDbId))
            Db().Execute(sql.c_str());
    }

    // Rows of the table still live, read on a connection of their own (so only what was
    // committed counts).
    long Live(const std::string& table) {
        return Count("SELECT * FROM " + table + " WHERE Deleted = 0");
    }

    // The engine refuses every change of the table from now on.
    void Refuse(const std::string& table) {
        Db().Execute(("CREATE TRIGGER Refuse" + table + " BEFORE UPDATE ON " + table +
                      " BEGIN SELECT RAISE(ABORT, 'refused'); END")
                         .c_str());
    }

    MessageBoxRecorder m_boxes;
    const QZKeyCombo m_service{kDbId, 10};
};

TEST_F(QZExecQueryTest, RunsTheQueryForTheKey) {
    QZExecQuery exec(&Db());
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", m_service), 1);
    EXPECT_EQ(Live("Images"), 0);
    EXPECT_EQ(Count("SELECT * FROM Images WHERE Name = 'Live'"), 1);
}

TEST_F(QZExecQueryTest, RunsInARowReuseTheQueryDefinition) {
    QZExecQuery exec(&Db());
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", m_service), 1);
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteJava_BySection", m_service), 1);
    EXPECT_EQ(Live("Images"), 0);
    EXPECT_EQ(Live("MQ_Java"), 0);
    EXPECT_EQ(Live("MQ_Media"), 1);
}

TEST_F(QZExecQueryTest, KeyWithoutRowsChangesNothingAndSucceeds) {
    QZExecQuery exec(&Db());
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", QZKeyCombo(kDbId, 11)), 1);
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", QZKeyCombo(10, kDbId)), 1);
    EXPECT_EQ(Live("Images"), 1);
}

TEST_F(QZExecQueryTest, RefusedRunReturnsZeroSilentlyAndChangesNothing) {
    struct Case {
        const char* query;
        const char* why;
    } cases[] = {
        {"MQ_Nothing", "no such stored query"},
        {"MQ_GetListImages", "a selection cannot be executed"},
        {"MQ_GetListServices", "one parameter only"},
        {"MQ_DeleteSemaphorLockByUserDbID_UserID", "a third parameter without a value"},
    };
    QZExecQuery exec(&Db());
    for (const Case& c : cases)
        EXPECT_EQ(exec.ExecuteByKey(c.query, QZKeyCombo(kDbId, 5)), 0) << c.why;
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 3);
    EXPECT_TRUE(m_boxes.shown().empty());
    // The runner stays usable after a refusal.
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", m_service), 1);
}

TEST_F(QZExecQueryTest, QueryFailingOnALaterRowLeavesTheEarlierOnesAsTheyWere) {
    Db().Execute("CREATE TRIGGER RefuseSecond BEFORE UPDATE ON Images WHEN OLD.ImageID = 2 "
                 "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    QZExecQuery exec(&Db());
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", m_service), 0);
    EXPECT_EQ(Live("Images"), 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(QZExecQueryTest, RowsLockedByAnotherProgramFailTheRun) {
    Db().SetBusyTimeout(50);
    WriteLockHolder other(m_path);
    QZExecQuery exec(&Db());
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", m_service), 0);
    EXPECT_EQ(exec.ExecuteAllByKey(QZExecQuery::DeleteServiceObjectsQueries(), m_service), 0);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(QZExecQueryTest, MarkAllInSiteMarksEveryKindButRowsNeverToPublish) {
    for (const char* table :
         {"MQ_ActiveX", "MQ_Ad", "MQ_AdSpace", "MQ_Advertiser", "MQ_Events", "Forms", "Images",
          "MQ_Java", "MQ_Media", "Messages", "Documents", "PhotoImages", "Query", "MQ_Script",
          "Sections", "Styles", "Templates"})
        Db().Execute((std::string("UPDATE ") + table + " SET PublishFlag = 0").c_str());
    QZExecQuery exec(&Db());
    ASSERT_EQ(exec.ExecuteAllByKey(QZExecQuery::MarkAllInSiteQueries(), m_service), 1);
    for (const char* table :
         {"MQ_ActiveX", "MQ_Ad", "MQ_AdSpace", "MQ_Advertiser", "MQ_Events", "Forms", "Images",
          "MQ_Java", "MQ_Media", "Messages", "Documents", "PhotoImages", "Query", "MQ_Script",
          "Sections", "Styles", "Templates"}) {
        EXPECT_EQ(Count(std::string("SELECT * FROM ") + table + " WHERE PublishFlag = 1"), 1)
            << table;
        EXPECT_EQ(Count(std::string("SELECT * FROM ") + table +
                        " WHERE PublishFlag = 1 AND NeverPublishFlag = 0"),
                  1)
            << table;
    }
}

TEST_F(QZExecQueryTest, DeletingAServiceOrSectionMarksAllItsObjects) {
    const char* tables[] = {"Images",   "Documents", "MQ_ActiveX", "MQ_Java",
                            "MQ_Media", "MQ_Script", "Sections"};
    struct Case {
        std::span<const char* const> run;
        size_t marked; // the first so many of the tables
    } cases[] = {
        {QZExecQuery::DeleteServiceObjectsQueries(), 7},
        {QZExecQuery::DeleteSectionObjectsQueries(), 6},
    };
    for (const Case& c : cases) {
        // The live rows are the ones marked for publishing.
        for (const char* table : tables)
            ExecuteOn(m_path,
                      std::string("UPDATE ") + table + " SET Deleted = 0 WHERE PublishFlag = 1");
        QZExecQuery exec(&Db());
        EXPECT_EQ(exec.ExecuteAllByKey(c.run, m_service), 1);
        for (size_t i = 0; i < std::size(tables); ++i)
            EXPECT_EQ(Live(tables[i]), i < c.marked ? 0 : 1) << tables[i];
        EXPECT_EQ(Live("Forms"), 1);
    }
}

TEST_F(QZExecQueryTest, RunThatFailsPartWayKeepsNoneOfItsChanges) {
    // Sections are the last of a service's run, Scripts the last of a section's.
    Refuse("Sections");
    Refuse("MQ_Script");
    QZExecQuery exec(&Db());
    EXPECT_EQ(exec.ExecuteAllByKey(QZExecQuery::DeleteServiceObjectsQueries(), m_service), 0);
    EXPECT_EQ(exec.ExecuteAllByKey(QZExecQuery::DeleteSectionObjectsQueries(), m_service), 0);
    for (const char* table : {"Images", "Documents", "MQ_ActiveX", "MQ_Java", "MQ_Media"})
        EXPECT_EQ(Live(table), 1) << table;
    EXPECT_TRUE(m_boxes.shown().empty());
    // Nothing of the failed runs is left open: a later run applies on its own.
    EXPECT_EQ(exec.ExecuteByKey("MQ_DeleteImage_ByService", m_service), 1);
    EXPECT_EQ(Live("Images"), 0);
}

} // namespace
