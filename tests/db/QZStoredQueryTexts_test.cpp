#include "db/QZStoredQueryTexts.h"
#include "platform/dao/JetSqlTranslator.h"

#include "tests/db/SeededSite.h"
#include "tests/platform/dao/JetSqlTestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using Rows = JetSqlTestDatabase::Rows;
using Values = std::vector<JetSqlTestDatabase::Value>;

bool Contains(const Rows& rows, const std::string& text) {
    for (const auto& row : rows)
        for (const std::string& cell : row)
            if (cell.find(text) != std::string::npos)
                return true;
    return false;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The seeded site (SeededSite.h) with DbID 1, in memory.
class StoredQueries : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string& sql : SiteCatalog().CreateStatements())
            db.Exec(sql);
        for (const std::string& sql : SeededSiteStatements(1))
            db.Exec(sql);
        db.Exec("INSERT INTO Marquill VALUES (1, '1.30', '')");
    }

    Rows Run(const QZStoredQueryText& q, const Values& values) {
        return db.Query(JetSqlTranslator::Translate(q.sql, SiteCatalog()).sql, values);
    }

    // Runs an action query and puts every row back afterwards.
    template <typename Check>
    void RunAndUndo(const QZStoredQueryText& q, const Values& v, Check check) {
        db.Exec("SAVEPOINT action");
        Run(q, v);
        check();
        db.Exec("ROLLBACK TO action");
        db.Exec("RELEASE action");
    }

    JetSqlTestDatabase db;
};

std::vector<std::string> ParameterNames(const char* sql) {
    std::vector<std::string> names;
    for (const JetSqlParameter& p : JetSqlTranslator::Translate(sql, SiteCatalog()).parameters)
        names.push_back(p.name);
    return names;
}

// The table an action query changes.
std::string ActionTable(const char* sql) {
    std::cmatch m;
    EXPECT_TRUE(std::regex_search(sql, m, std::regex("UPDATE DISTINCTROW (\\w+) SET"))) << sql;
    return m[1];
}

} // namespace

TEST(StoredQueryTexts, HoldTheSetInItsGroups) {
    auto all = QZStoredQueryTexts::All();
    ASSERT_EQ(all.size(), 120u);
    std::set<std::string> names;
    for (const QZStoredQueryText& q : all) {
        EXPECT_TRUE(StartsWith(q.name, "MQ_")) << q.name;
        names.insert(q.name);
    }
    EXPECT_EQ(names.size(), 120u);
    auto minimal = QZStoredQueryTexts::Minimal();
    ASSERT_EQ(minimal.size(), 3u);
    EXPECT_STREQ(minimal[0].name, "MQ_GetDbID");
    EXPECT_STREQ(minimal[1].name, "MQ_GetEventByDbID_EventID");
    EXPECT_STREQ(minimal[2].name, "MQ_UpdateEventLastExecuted");
    EXPECT_EQ(QZStoredQueryTexts::BeforePublish().size(), 103u);
    EXPECT_STREQ(QZStoredQueryTexts::BeforePublish().back().name, "MQ_DeleteMedia_BySection");
    ASSERT_EQ(QZStoredQueryTexts::Publish().size(), 17u);
    EXPECT_STREQ(QZStoredQueryTexts::Publish().front().name, "MQ_PublishActiveX_ByService");
    EXPECT_STREQ(QZStoredQueryTexts::Publish().back().name, "MQ_PublishTemplate_ByService");
    EXPECT_STREQ(QZStoredQueryTexts::Find("MQ_GetListPublishObjects")->name,
                 "MQ_GetListPublishObjects");
    EXPECT_EQ(QZStoredQueryTexts::Find("MQ_Nothing"), nullptr);
    EXPECT_EQ(std::string(QZStoredQueryTexts::Find("MQ_GetListPublishObjects")->sql).size(), 5876u);
}

TEST_F(StoredQueries, EveryTextTranslatesAndPrepares) {
    for (const QZStoredQueryText& q : QZStoredQueryTexts::All()) {
        JetSqlTranslation t;
        try {
            t = JetSqlTranslator::Translate(q.sql, SiteCatalog());
        } catch (const JetSqlError& e) {
            ADD_FAILURE() << q.name << ": " << e.what();
            continue;
        }
        EXPECT_EQ(db.PrepareError(t.sql), "") << q.name << ": " << t.sql;
        if (!t.keySql.empty()) {
            EXPECT_EQ(db.PrepareError(t.keySql), "") << q.name << ": " << t.keySql;
        }
    }
}

TEST_F(StoredQueries, ParametersTakeTheirPositions) {
    EXPECT_EQ(ParameterNames(QZStoredQueryTexts::Find("MQ_GetQueryByDbID_QueryID")->sql),
              (std::vector<std::string>{"argDbID", "argQueryID"}));
    EXPECT_EQ(ParameterNames(QZStoredQueryTexts::Find("MQ_GetListPublishObjects")->sql),
              (std::vector<std::string>{"argDbID", "argObjectID", "argShowDeleted"}));
    EXPECT_EQ(
        ParameterNames(QZStoredQueryTexts::Find("MQ_DeleteSemaphorLockByUserDbID_UserID")->sql),
        (std::vector<std::string>{"argUserDbID", "argUserID", "argNothing"}));
    for (const QZStoredQueryText& q : QZStoredQueryTexts::All()) {
        std::vector<std::string> names = ParameterNames(q.sql);
        if (names.size() == 3 && names[2] == "argShowDeleted") {
            EXPECT_EQ(names[0], "argDbID") << q.name;
        }
    }
}

TEST_F(StoredQueries, KeyQueriesFindLiveRowsOnly) {
    int checked = 0;
    for (const QZStoredQueryText& q : QZStoredQueryTexts::All()) {
        std::string name = q.name;
        if (name.find("ByDbID_") == std::string::npos)
            continue;
        ++checked;
        EXPECT_TRUE(Contains(Run(q, {1, 1}), "Live")) << q.name;
        EXPECT_EQ(Run(q, {1, 2}), Rows{}) << q.name;
    }
    EXPECT_EQ(checked, 19);
}

TEST_F(StoredQueries, ListsCompareDeletedWithTheShowDeletedFlag) {
    int checked = 0;
    for (const QZStoredQueryText& q : QZStoredQueryTexts::All()) {
        std::vector<std::string> names = ParameterNames(q.sql);
        if (names.empty() || names.back() != "argShowDeleted" ||
            std::string(q.name) == "MQ_GetListSemaphorsByUser" ||
            std::string(q.name) == "MQ_GetListPublishObjects")
            continue;
        ++checked;
        bool tested = std::string(q.sql).find("Deleted)=[argShowDeleted]") != std::string::npos;
        Values live = names.size() == 1 ? Values{0} : Values{1, 10, 0};
        Values gone = names.size() == 1 ? Values{1} : Values{1, 10, 1};
        Rows liveRows = Run(q, live), goneRows = Run(q, gone);
        EXPECT_TRUE(Contains(liveRows, "Live")) << q.name;
        EXPECT_EQ(Contains(liveRows, "Gone"), !tested) << q.name;
        EXPECT_TRUE(Contains(goneRows, "Gone")) << q.name;
        EXPECT_EQ(Contains(goneRows, "Live"), !tested) << q.name;
    }
    EXPECT_EQ(checked, 61);
}

TEST_F(StoredQueries, MediaListOfAServiceHidesDeletedObjectsLikeItsSiblings) {
    const QZStoredQueryText& q = *QZStoredQueryTexts::Find("MQ_GetListMediaByService");
    EXPECT_EQ(Run(q, {1, 10, 0}), (Rows{{"1", "1", "Live"}}));
    EXPECT_EQ(Run(q, {1, 10, 1}), (Rows{{"1", "2", "Gone"}}));
}

TEST_F(StoredQueries, ListsMarkTitlesByKind) {
    db.Exec("UPDATE Documents SET Dynamic = 1 WHERE DocID = 1");
    struct Case {
        const char* query;
        const char* title;
    } cases[] = {
        {"MQ_GetListActiveXBySection", "ALive"},
        {"MQ_GetListJavaBySection", "JLive"},
        {"MQ_GetListMediaBySection", "MLive"},
        {"MQ_GetListScriptsBySection", "SLive"},
        {"MQ_GetListQueries", "QLive"},
        {"MQ_GetListAllAdvertisersByService", "ALive"},
        {"MQ_GetListAllAdSpaceByService", "SLive"},
        {"MQ_GetListDocuments", "DCLive"},
        {"MQ_GetListEventsByService", "Live"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Contains(Run(*QZStoredQueryTexts::Find(c.query), {1, 10, 0}), c.title))
            << c.query;
    db.Exec("UPDATE Documents SET Dynamic = 0, GenerateFlag = 0");
    db.Exec("UPDATE Query SET QueryType = 1");
    EXPECT_TRUE(
        Contains(Run(*QZStoredQueryTexts::Find("MQ_GetListDocuments"), {1, 10, 0}), "SCLive"));
    EXPECT_TRUE(Contains(Run(*QZStoredQueryTexts::Find("MQ_GetListQueries"), {1, 10, 0}), "TLive"));
    db.Exec("UPDATE Documents SET GenerateFlag = 1");
    EXPECT_TRUE(
        Contains(Run(*QZStoredQueryTexts::Find("MQ_GetListDocuments"), {1, 10, 0}), "SDLive"));
}

TEST_F(StoredQueries, EventListsSortByThePlainTitle) {
    db.Exec("INSERT INTO MQ_Events (DbID, EventID, Title, Deleted, ServiceDbID, ServiceID) "
            "VALUES (1, 3, 'Alpha', 0, 1, 10), (1, 4, NULL, 0, 1, 10)");
    Rows rows = Run(*QZStoredQueryTexts::Find("MQ_GetListEventsByService"), {1, 10, 0});
    EXPECT_EQ(rows, (Rows{{"1", "4", "<null>"}, {"1", "3", "Alpha"}, {"1", "1", "Live"}}));
}

TEST_F(StoredQueries, PickByDependencyListsAPageOnceForADoubledRow) {
    for (const char* name : {"MQ_PickDocsByImage", "MQ_PickDocsByLinks", "MQ_PickDocsByTemplate",
                             "MQ_PickDocsByQuery", "MQ_PickDocsByForm", "MQ_PickDocsByActiveX",
                             "MQ_PickDocsByJava", "MQ_PickDocsByMultimedia", "MQ_PickDocsByScript"})
        EXPECT_EQ(Run(*QZStoredQueryTexts::Find(name), {1, 10, 0}), (Rows{{"1", "1", "Live"}}))
            << name;
}

TEST_F(StoredQueries, PublishListHoldsMarkedLiveObjectsAndTheServiceSortedByType) {
    Rows rows = Run(*QZStoredQueryTexts::Find("MQ_GetListPublishObjects"), {1, 10, 1});
    std::vector<std::string> types;
    for (const auto& row : rows) {
        types.push_back(row[2]);
        EXPECT_EQ(row[3], row[2] == "0" ? "Site" : "Live");
    }
    EXPECT_EQ(types, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "11", "12", "13",
                                               "17", "18", "19", "20", "21", "22", "23", "24"}));
}

TEST_F(StoredQueries, DeletionQueriesMarkTheParentsRowsDeleted) {
    for (const QZStoredQueryText& q : QZStoredQueryTexts::All()) {
        if (!StartsWith(q.name, "MQ_Delete") || !StartsWith(q.sql, "PARAMETERS argDbID"))
            continue;
        std::string table = ActionTable(q.sql);
        RunAndUndo(q, {1, 10}, [&] {
            EXPECT_EQ(db.Query("SELECT count(*) FROM \"" + table + "\" WHERE Deleted = 0"),
                      (Rows{{"0"}}))
                << q.name;
            EXPECT_TRUE(Contains(db.Query("SELECT * FROM \"" + table + "\""), "Live")) << q.name;
        });
    }
}

TEST_F(StoredQueries, PublishQueriesSkipRowsNeverToPublish) {
    ASSERT_EQ(QZStoredQueryTexts::Publish().size(), 17u);
    for (const QZStoredQueryText& q : QZStoredQueryTexts::Publish()) {
        std::string table = ActionTable(q.sql);
        db.Exec("UPDATE \"" + table + "\" SET PublishFlag = 0");
        RunAndUndo(q, {1, 10}, [&] {
            Rows rows = db.Query("SELECT NeverPublishFlag, PublishFlag FROM \"" + table +
                                 "\" WHERE DbID = 1 AND " + SiteCatalog().Columns(table)[1] +
                                 " IN (1, 2) ORDER BY 1");
            EXPECT_EQ(rows, (Rows{{"0", "1"}, {"1", "0"}})) << q.name;
        });
    }
}

TEST_F(StoredQueries, EventStampAndLockRemovalChangeTheirRows) {
    RunAndUndo(*QZStoredQueryTexts::Find("MQ_UpdateEventLastExecuted"), {1, 1}, [&] {
        EXPECT_EQ(db.Query("SELECT abs(julianday(LastExecuted) - julianday('now', 'localtime')) "
                           "* 86400 < 5 FROM MQ_Events ORDER BY EventID"),
                  (Rows{{"1"}, {"0"}}));
    });
    RunAndUndo(*QZStoredQueryTexts::Find("MQ_DeleteSemaphorLockByUserDbID_UserID"), {1, 5, 99},
               [&] { EXPECT_EQ(db.Query("SELECT UserID FROM Semaphor"), (Rows{{"6"}})); });
}

TEST_F(StoredQueries, SingleQueriesReadTheirRows) {
    auto run = [&](const char* name, const Values& v) {
        return Run(*QZStoredQueryTexts::Find(name), v);
    };
    EXPECT_EQ(run("MQ_GetDbID", {}), (Rows{{"1", "1.30", ""}}));
    EXPECT_EQ(run("MQ_GetAuthorByName", {"live"}).size(), 1u);
    EXPECT_EQ(run("MQ_GetAuthorByName", {"Gone"}).size(), 0u);
    EXPECT_EQ(run("MQ_GetCurrentUserByDbId_UserID", {1, 5}),
              (Rows{{"1", "5", "1999-03-14 10:20:00"}}));
    EXPECT_EQ(run("MQ_GetListSemaphorsByUser", {1, 5, 0}).size(), 2u);
    EXPECT_EQ(run("MQ_GetSemaphor", {1, 3, 2}).size(), 1u);
    EXPECT_EQ(run("MQ_GetChangedEvents", {"1999-03-14 10:20:00"}).size(), 2u);
    EXPECT_EQ(run("MQ_GetChangedEvents", {"2000-01-01 00:00:00"}).size(), 0u);
    EXPECT_EQ(run("MQ_GetComponentInfo", {}), (Rows{{"Zerin", "Kit", "1", "kit.mdb"}}));
}
