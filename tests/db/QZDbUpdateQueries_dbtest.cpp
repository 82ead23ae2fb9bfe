// Making the stored queries of a new or updated site database.

#include "db/QZDbUpdate.h"
#include "db/QZStoredQueryTexts.h"
#include "platform/dao/CDaoTableDef.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Queries = std::map<std::string, std::string>; // name -> SQL text

Queries Texts(std::span<const QZStoredQueryText> texts) {
    Queries queries;
    for (const QZStoredQueryText& q : texts)
        queries[q.name] = q.sql;
    return queries;
}

class CreateQueryDefsTest : public ::testing::Test {
protected:
    void SetUp() override { m_db.Create(m_dir.file("new.mdb").c_str()); }

    int CreateQueryDefs(int minimalQueries) {
        QZDbUpdate update;
        update.BeginSchema(&m_db, 0, minimalQueries);
        int result = update.CreateQueryDefs();
        QZDbUpdate::SetDatabaseUnderConstruction(nullptr);
        return result;
    }

    Queries Stored() {
        Queries queries;
        for (short i = 0; i < m_db.GetQueryDefCount(); ++i) {
            CDaoQueryDefInfo info;
            m_db.GetQueryDefInfo(i, info, AFX_DAO_ALL_INFO);
            queries[info.m_strName.str()] = info.m_strSQL.str();
        }
        return queries;
    }

    // A table under the name of a stored query, so that the query cannot be stored.
    void BlockName(const char* name) {
        CDaoTableDef table(&m_db);
        table.Create(name);
        table.CreateField("Blocker", dbLong, 4);
        table.Append();
    }

    MessageBoxRecorder m_boxes;
    TempDir m_dir;
    CDaoDatabase m_db;
};

TEST_F(CreateQueryDefsTest, MinimalFlagMakesTheFirstThreeOnly) {
    EXPECT_EQ(CreateQueryDefs(1), 1);
    EXPECT_EQ(Stored(),
              (Queries{{"MQ_GetDbID", QZStoredQueryTexts::All()[0].sql},
                       {"MQ_GetEventByDbID_EventID", QZStoredQueryTexts::All()[1].sql},
                       {"MQ_UpdateEventLastExecuted", QZStoredQueryTexts::All()[2].sql}}));
}

TEST_F(CreateQueryDefsTest, FullSetMakesAllQueriesWithTheirTexts) {
    EXPECT_EQ(CreateQueryDefs(0), 1);
    EXPECT_EQ(Stored(), Texts(QZStoredQueryTexts::All()));
}

TEST_F(CreateQueryDefsTest, RerunReplacesQueriesByNameAndLeavesTheSameSet) {
    CDaoQueryDef old(&m_db);
    old.Create("MQ_GetListServices", "SELECT * FROM Marquill");
    old.Append();
    old.Close();
    EXPECT_EQ(CreateQueryDefs(0), 1);
    EXPECT_EQ(CreateQueryDefs(0), 1);
    EXPECT_EQ(Stored(), Texts(QZStoredQueryTexts::All()));
}

TEST_F(CreateQueryDefsTest, QueryThatCannotBeMadeStopsTheRunWithoutAMessage) {
    struct Case {
        const char* blocked;
        size_t made; // the queries before it
    } cases[] = {
        {"MQ_PickDocsByImage", 66},
        // A publish query fails the whole run although everything before it was made.
        {"MQ_PublishPage_ByService", 111},
    };
    for (const Case& c : cases) {
        m_db.Close();
        m_db.Create(m_dir.file(std::string(c.blocked) + ".mdb").c_str());
        BlockName(c.blocked);
        EXPECT_EQ(CreateQueryDefs(0), 0) << c.blocked;
        EXPECT_EQ(Stored(), Texts(QZStoredQueryTexts::All().first(c.made))) << c.blocked;
    }
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CreateQueryDefsTest, NoDatabaseUnderConstructionMakesNothing) {
    QZDbUpdate update;
    EXPECT_EQ(update.CreateQueryDefs(), 0);
    EXPECT_EQ(update.CreatePublishQueryDefs(), 0);
    EXPECT_TRUE(Stored().empty());
}

} // namespace
