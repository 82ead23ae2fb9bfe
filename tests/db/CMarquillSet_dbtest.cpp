#include "db/CMarquillSet.h"

#include "db/DBF_CMarquillSet.h"
#include "platform/dao/CaughtDaoError.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <memory>

namespace {

class CMarquillSetTest : public SiteDatabaseTest {
protected:
    long VersionRows(const std::string& where = "") {
        return Count("SELECT * FROM Marquill" + (where.empty() ? "" : " WHERE " + where));
    }
};

TEST_F(CMarquillSetTest, ReadVersionHandsOutTheRowAndStaysOnIt) {
    ExecuteOn(m_path, "UPDATE Marquill SET Miscellaneous = 'production'");
    CMarquillSet set(&Db());
    LONG dbId = -1;
    CString version;
    int production = -1;
    EXPECT_EQ(set.ReadVersion(&dbId, &version, &production), 1);
    EXPECT_EQ(dbId, kDbId);
    EXPECT_EQ(version, "1.30");
    EXPECT_EQ(production, 1);
    EXPECT_TRUE(set.IsOpen());
    EXPECT_EQ(set.m_DbID, kDbId);
    EXPECT_EQ(set.GetTableName(), "Marquill");
    EXPECT_EQ(set.GetObjectType(), -1);
}

TEST_F(CMarquillSetTest, ProductionMarkIsTheWordInAnyLetterCase) {
    const struct {
        const char* misc;
        int production;
    } cases[] = {{"Production", 1},
                 {"production", 1},
                 {"pRoDuCtIoN", 1},
                 {"PRODUCT", 0},
                 {"Production line", 0},
                 {" Production", 0},
                 {"", 0}};
    CMarquillSet set(&Db());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.misc);
        set.m_Miscellaneous = c.misc;
        set.TestProductionMark();
        EXPECT_EQ(set.m_ProductionFlag, c.production);
    }
}

TEST_F(CMarquillSetTest, ReadVersionClearsTheDbIdFirstEvenWhenItFails) {
    Db().DeleteQueryDef("MQ_GetDbID");
    CMarquillSet set(&Db());
    LONG dbId = 77;
    CString version;
    int production = 0;
    EXPECT_THROW(
        {
            try {
                set.ReadVersion(&dbId, &version, &production);
            } catch (CDaoException* e) {
                CaughtDaoError error(e);
                throw std::runtime_error("engine error");
            }
        },
        std::runtime_error);
    EXPECT_EQ(dbId, 0);
}

TEST_F(CMarquillSetTest, ReadVersionFindsNoRowInAnEmptyTable) {
    ExecuteOn(m_path, "DELETE FROM Marquill");
    CMarquillSet set(&Db());
    LONG dbId = 77;
    CString version = "old";
    int production = 0;
    EXPECT_EQ(set.ReadVersion(&dbId, &version, &production), 0);
    EXPECT_EQ(dbId, 0);
    EXPECT_EQ(version, "old");
}

TEST_F(CMarquillSetTest, RewriteWritesAllThreeColumns) {
    CMarquillSet set(&Db());
    set.Open(dbOpenDynaset, "SELECT * FROM Marquill", dbConsistent);
    set.m_DbID = 6;
    set.m_VersionNumber = "1.31";
    set.m_Miscellaneous = "Production";
    EXPECT_EQ(set.RewriteRecord(), 1);
    EXPECT_EQ(VersionRows("DbID = 6 AND VersionNumber = '1.31' AND Miscellaneous = 'Production'"),
              1);
    EXPECT_EQ(VersionRows(), 1);
}

TEST_F(CMarquillSetTest, SetVersionChangesOnlyTheVersionOfTheRow) {
    ExecuteOn(m_path, "UPDATE Marquill SET Miscellaneous = 'kept'");
    auto set = std::make_unique<DBF_CMarquillSet>(&Db());
    EXPECT_EQ(set->GetTableName(), "Marquill");
    EXPECT_EQ(set->SetVersion("1.31"), 1);
    set.reset();
    EXPECT_EQ(VersionRows(), 1);
    EXPECT_EQ(VersionRows("DbID = 5 AND VersionNumber = '1.31' AND Miscellaneous = 'kept'"), 1);
}

TEST_F(CMarquillSetTest, SetVersionOnAnEmptyTableAddsTheRow) {
    ExecuteOn(m_path, "DELETE FROM Marquill");
    DBF_CMarquillSet set(&Db());
    EXPECT_EQ(set.SetVersion("1.30"), 1);
    set.Close();
    EXPECT_EQ(VersionRows("DbID = 0 AND VersionNumber = '1.30' AND Miscellaneous IS NULL"), 1);
}

TEST_F(CMarquillSetTest, ProductionRowIsAddedOnceAndKeepsTheTableAtOneRow) {
    ExecuteOn(m_path, "DELETE FROM Marquill");
    {
        DBF_CMarquillSet set(&Db());
        EXPECT_EQ(set.AddProductionRow("1.30"), 1);
    }
    EXPECT_EQ(VersionRows("DbID = 0 AND VersionNumber = '1.30' AND Miscellaneous = 'Production'"),
              1);
    ExecuteOn(m_path, "UPDATE Marquill SET DbID = 5");
    {
        DBF_CMarquillSet set(&Db());
        EXPECT_EQ(set.AddProductionRow("1.31"), 1);
    }
    EXPECT_EQ(VersionRows(), 1);
    EXPECT_EQ(VersionRows("DbID = 5 AND VersionNumber = '1.31' AND Miscellaneous = 'Production'"),
              1);
}

} // namespace
