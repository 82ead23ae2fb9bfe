#include "db/CVantrelDb.h"

#include "platform/core/Paths.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <filesystem>

namespace {

class CVantrelDbTest : public SiteDatabaseTest {};

TEST_F(CVantrelDbTest, OpenReadsDbIdAndVersionFromTheVersionRow) {
    LONG dbId = -1;
    CString version;
    EXPECT_EQ(Db().GetDbIdAndVersion(&dbId, version), 1);
    EXPECT_EQ(dbId, kDbId);
    EXPECT_EQ(version, "1.30");
    EXPECT_EQ(Db().GetDbId(), kDbId);
    EXPECT_EQ(TestApp().GetDbID(), kDbId);
    EXPECT_EQ(Db().IsProductionDb(), 0);
}

TEST_F(CVantrelDbTest, EachOpenReadsTheProductionMark) {
    const struct {
        const char* misc;
        int production;
    } cases[] = {{"PRODUCTION", 1}, {"PRODUCT", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.misc);
        ExecuteOn(m_path, std::string("UPDATE Marquill SET Miscellaneous = '") + c.misc + "'");
        ASSERT_EQ(Db().OpenDatabase(0), 1);
        EXPECT_EQ(Db().IsProductionDb(), c.production);
    }
}

TEST_F(CVantrelDbTest, EmptyPathSetsTheDefaultAndOthersAreKeptAsGiven) {
    CVantrelDb db;
    EXPECT_EQ(db.GetDatabasePath(), MapWindowsPath("C:\\Marquill\\mq.mdb"));
    EXPECT_EQ(db.SetDatabasePath("sites/mq.mdb"), 1);
    EXPECT_EQ(db.GetDatabasePath(), "sites/mq.mdb");
    EXPECT_EQ(db.SetDatabasePath(""), 1);
    EXPECT_EQ(db.GetDatabasePath(), MapWindowsPath("C:\\Marquill\\mq.mdb"));
    EXPECT_EQ(CVantrelDb("x.mdb").GetDatabasePath(), "x.mdb");
}

TEST_F(CVantrelDbTest, DbIdIsZeroBeforeAnyOpen) {
    CVantrelDb db(m_path.c_str());
    EXPECT_EQ(db.GetDbId(), 0);
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(CVantrelDbTest, OpeningAgainClosesTheFirstConnection) {
    LONG first = Db().GetSessionId();
    ASSERT_EQ(Db().OpenDatabase(0), 1);
    EXPECT_NE(Db().GetSessionId(), first);
    EXPECT_FALSE(Db().IsSessionAlive(first));
}

TEST_F(CVantrelDbTest, SkippingTheVersionKeepsDbIdAndVersion) {
    std::string other = m_dir.file("other.mdb");
    CreateSiteDatabase(other, 9);
    Db().SetDatabasePath(other.c_str());
    ASSERT_EQ(Db().OpenDatabase(1), 1);
    EXPECT_TRUE(Db().IsOpen());
    EXPECT_EQ(Db().GetDbId(), kDbId);
    ASSERT_EQ(Db().OpenDatabase(0), 1);
    EXPECT_EQ(Db().GetDbId(), 9);
}

TEST_F(CVantrelDbTest, MissingFileShowsTheEngineMessageAndFails) {
    std::string missing = m_dir.file("missing.mdb");
    std::string expected = EngineErrorText([&] {
        CDaoDatabase probe;
        probe.Open(missing.c_str());
    });
    ASSERT_FALSE(expected.empty());
    MessageBoxRecorder boxes;
    Db().SetDatabasePath(missing.c_str());
    EXPECT_EQ(Db().OpenDatabase(0), 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, expected);
    EXPECT_EQ(boxes.shown()[0].type, MB_OK);
    EXPECT_EQ(boxes.shown()[0].helpId, 0u);
    EXPECT_FALSE(Db().IsOpen());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(CVantrelDbTest, MissingVersionQueryShowsTheEngineMessageAndLeavesItClosed) {
    Db().Close();
    {
        CDaoDatabase db;
        db.Open(m_path.c_str());
        db.DeleteQueryDef("MQ_GetDbID");
    }
    std::string expected = EngineErrorText([&] {
        CDaoDatabase probe;
        probe.Open(m_path.c_str());
        CDaoQueryDef query(&probe);
        query.Open("MQ_GetDbID");
    });
    ASSERT_FALSE(expected.empty());
    MessageBoxRecorder boxes;
    EXPECT_EQ(Db().OpenDatabase(0), 0);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{expected});
    EXPECT_FALSE(Db().IsOpen());
    EXPECT_EQ(Db().GetDbId(), 0);
}

TEST_F(CVantrelDbTest, DatabaseWithoutExactlyOneVersionRowFailsToOpenAndIsClosed) {
    const char* noSingleRow =
        "The database has no single version row: it cannot be opened as a site database.";
    const struct {
        const char* rows;
        const char* insert;
    } cases[] = {{"none", nullptr}, {"two", "INSERT INTO Marquill (DbID) VALUES (8)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        ExecuteOn(m_path, "DELETE FROM Marquill");
        if (c.insert != nullptr) {
            ExecuteOn(m_path, "INSERT INTO Marquill (DbID) VALUES (7)");
            ExecuteOn(m_path, c.insert);
        }
        MessageBoxRecorder boxes;
        EXPECT_EQ(Db().OpenDatabase(0), 0);
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{noSingleRow});
        EXPECT_FALSE(Db().IsOpen());
        EXPECT_EQ(Db().GetDbId(), 0);
        EXPECT_EQ(TestApp().GetDbID(), 0);
    }
}

} // namespace
