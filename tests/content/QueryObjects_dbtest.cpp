// Query objects: the data database chosen by the query's own files or its service's, for
// development or production; the rows walked with "[rowcount]" and "[rownumber]", which a
// nested query keeps apart; what cannot be opened; the fields and parameters the query editor
// lists; and the query command written back.

#include "content/QZVantrelQuery.h"
#include "db/QZDataDatabaseCache.h"
#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoException.h"
#include "template/expressions/QZQueryExprContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"
#include "tests/content/FormsFixture.h"
#include "tests/support/ChildProcess.h"

#include <filesystem>
#include <memory>

namespace {

class QueryObjectsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        m_page.GetSymbolTable()->SetString("cat", "tools");
        m_query = std::make_unique<QZQueryExprContext>(&m_page);
    }
    void TearDown() override {
        m_query.reset();
        FormsTest::TearDown();
    }

    std::unique_ptr<QZVantrelQuery> Open(LONG id) {
        return std::make_unique<QZVantrelQuery>(CString(), QZKeyCombo(kDbId, id, OBJ_QUERY), 0,
                                                m_query.get());
    }
    // A counter of the query's row table; -1 when it holds none.
    LONG Counter(const char* name) {
        QZSymbol* entry = m_query->GetFieldTable()->Find(name, FALSE);
        return entry != nullptr && entry->HasValue() ? entry->GetInteger() : -1;
    }
    static std::string Field(QZVantrelQuery& query, const char* name) {
        COleVariant value = query.GetFieldValue(name);
        if (value.vt == VT_NULL)
            return "null";
        value.ChangeType(VT_BSTR);
        return value.bstrVal.str();
    }
    // The texts of a list, which is emptied.
    static std::vector<std::string> Take(CPtrList& list) {
        std::vector<std::string> texts;
        while (!list.IsEmpty()) {
            auto* text = static_cast<CString*>(list.RemoveHead());
            texts.push_back(text->str());
            delete text;
        }
        return texts;
    }

    QZVantrelMemoFld m_page;
    std::unique_ptr<QZQueryExprContext> m_query;
};

TEST_F(QueryObjectsTest, WalksTheRowsCountingThem) {
    auto query = Open(kByCategory);
    ASSERT_TRUE(query->IsLoaded());
    EXPECT_EQ(Counter("[rowcount]"), 3);
    EXPECT_EQ(Counter("[rownumber]"), -1);
    std::string names;
    for (int more = query->MoveFirstRow(); more; more = query->MoveNextRow())
        names += Field(*query, "Name") + "@" + std::to_string(Counter("[rownumber]")) + ";";
    EXPECT_EQ(names, "Hammer@1;Saw@2;Drill@3;");
    // Past the last row nothing changes.
    EXPECT_EQ(query->MoveNextRow(), 0);
    EXPECT_EQ(Counter("[rownumber]"), 3);
    EXPECT_EQ(Field(*query, "NoSuchField"), "null");
}

TEST_F(QueryObjectsTest, TwoQueriesOfOneFileWalkTheirRowsSideBySide) {
    auto outer = Open(kByCategory);
    ASSERT_EQ(outer->MoveFirstRow(), 1);
    QZQueryExprContext inner(m_query.get());
    auto second = std::make_unique<QZVantrelQuery>(
        CString(), QZKeyCombo(kDbId, kByCategory, OBJ_QUERY), 0, &inner);
    std::string names;
    for (int more = second->MoveFirstRow(); more; more = second->MoveNextRow())
        names += Field(*second, "Name") + ";";
    EXPECT_EQ(names, "Hammer;Saw;Drill;");
    EXPECT_EQ(outer->MoveNextRow(), 1);
    EXPECT_EQ(Field(*outer, "Name"), "Saw");
    EXPECT_EQ(g_DataDatabaseCache.GetCount(), 1);
}

TEST_F(QueryObjectsTest, AnEmptyResultHasNoFirstRow) {
    auto query = Open(kOrders);
    ASSERT_TRUE(query->IsLoaded());
    EXPECT_EQ(Counter("[rowcount]"), 0);
    EXPECT_EQ(query->MoveFirstRow(), 0);
    EXPECT_EQ(Counter("[rownumber]"), -1);
}

TEST_F(QueryObjectsTest, TheQuerysFilesOrItsServicesAreOpenedForDevelopmentOrProduction) {
    struct Case {
        LONG id;
        int production;
        const char* firstName;
    } cases[] = {
        {kByCategory, 0, "Hammer"},
        {kByCategory, 1, "Hammer (prod)"},
        {kServiceRows, 0, "Apple (service)"},
        {kServiceRows, 1, "Apple (service prod)"},
        // No production file of its own: the service's.
        {kOrders, 1, "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " production " + std::to_string(c.production));
        Db().SetProductionOutput(c.production);
        auto query = Open(c.id);
        ASSERT_TRUE(query->IsLoaded());
        EXPECT_EQ(query->MoveFirstRow() ? Field(*query, c.id == kOrders ? "Customer" : "Name")
                                        : std::string("none"),
                  c.firstName);
    }
    Db().SetProductionOutput(0);
    auto service = Open(kServiceRows);
    EXPECT_EQ(service->GetDevelopPath().str(), "C:\\data\\service.mdb");
    EXPECT_EQ(service->GetProductionPath().str(), "C:\\data\\service-prod.mdb");
    EXPECT_EQ(service->GetDatabaseName().str(), "");
    EXPECT_EQ(Open(kByCategory)->GetProductionDatabaseName().str(), "C:\\data\\shop-prod.mdb");
}

TEST_F(QueryObjectsTest, AKeyWithoutARowIsNoQueryAndAFileThatIsNotThereIsNotMade) {
    EXPECT_FALSE(Open(99)->IsLoaded());
    // Loaded for the editor, the row is there but no rows are open.
    QZVantrelQuery edited(QZKeyCombo(kDbId, kByCategory, OBJ_QUERY), TRUE);
    EXPECT_FALSE(edited.IsLoaded());
    EXPECT_EQ(edited.GetName().str(), "Query 31");
    EXPECT_EQ(edited.GetDatabaseName().str(), "C:\\data\\shop.mdb");
    struct Case {
        LONG id;
        LONG error;
    } cases[] = {{kNoFile, 3024}, {kProducts, 3265}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        LONG error = 0;
        try {
            Open(c.id);
        } catch (CDaoException* e) {
            e->GetErrorInfo(0);
            error = e->m_pErrorInfo->m_lErrorCode;
            e->Delete();
        }
        EXPECT_EQ(error, c.error);
    }
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("data/missing.mdb")));
}

TEST_F(QueryObjectsTest, ListsTheFieldsOfATableAndTheParametersAndFieldsOfAStoredQuery) {
    CPtrList fields;
    CPtrList parameters;
    QZVantrelQuery table(QZKeyCombo(kDbId, kProducts, OBJ_QUERY), FALSE);
    table.ListFieldsAndParameters(QZKeyCombo(kDbId, kProducts, OBJ_QUERY), fields, parameters);
    EXPECT_EQ(Take(fields), (std::vector<std::string>{"ProductID\t10", "Name\t40", "Category\t20",
                                                      "Price\t12", "Notes\t300", "Added\t12"}));
    EXPECT_TRUE(Take(parameters).empty());
    // A query object that holds no row yet opens the one of the key.
    QZVantrelQuery stored;
    QZVantrelQuery byKey(QZKeyCombo(kDbId, 99, OBJ_QUERY), FALSE);
    byKey.ListFieldsAndParameters(QZKeyCombo(kDbId, kByCategory, OBJ_QUERY), fields, parameters);
    EXPECT_EQ(Take(fields), (std::vector<std::string>{"Name", "Price"}));
    EXPECT_EQ(Take(parameters), std::vector<std::string>{"cat"});
}

TEST_F(QueryObjectsTest, ListingAFileThatIsNotThereAddsNothing) {
    CPtrList fields;
    CPtrList parameters;
    QZVantrelQuery missing(QZKeyCombo(kDbId, kNoFile, OBJ_QUERY), FALSE);
    missing.ListFieldsAndParameters(QZKeyCombo(kDbId, kNoFile, OBJ_QUERY), fields, parameters);
    EXPECT_TRUE(Take(fields).empty());
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("data/missing.mdb")));
    // Its production file is the service's, which is there.
    Db().SetProductionOutput(1);
    missing.ListFieldsAndParameters(QZKeyCombo(kDbId, kNoFile, OBJ_QUERY), fields, parameters);
    Db().SetProductionOutput(0);
    EXPECT_EQ(Take(fields).size(), 6u);
}

TEST_F(QueryObjectsTest, ANestedQueryKeepsItsOwnCounters) {
    AddPage(40, "Nested", "FileName, ScriptBody",
            "'page.html', " +
                Quote("<<set cat = \"tools\">><<query :33>>[<<print [rownumber]>>/"
                      "<<print [rowcount]>>:<<query :31>><<print [rownumber]>><</query>>:"
                      "<<print [rownumber]>>/<<print [rowcount]>>]<</query>>"));
    EXPECT_EQ(LoadPage(40)->Generate(), 1);
    std::string file = ReadFile(UnderRoot("dev/site/news/page.html"));
    size_t start = file.find(">\n", file.find("<body")) + 2;
    EXPECT_EQ(file.substr(start, file.find("</body>") - start),
              "[1/4:123:1/4][2/4:123:2/4][3/4:123:3/4][4/4:123:4/4]");
    EXPECT_TRUE(Errors().empty());
}

// The run keeps the file open, and every query still sees what another program wrote.
TEST_F(QueryObjectsTest, AnOpenDataDatabaseSeesWhatAnotherProgramWrites) {
    auto customers = [&] {
        std::string names;
        auto query = Open(kOrders);
        for (int more = query->MoveFirstRow(); more; more = query->MoveNextRow())
            names += Field(*query, "Customer") + ";";
        return names;
    };
    EXPECT_EQ(customers(), "");
    EXPECT_EQ(g_DataDatabaseCache.GetCount(), 1);
    for (const char* customer : {"Ann", "Bob"}) {
        ChildProcess other("add-order", {{"FILE", ShopFile()}, {"CUSTOMER", customer}});
        EXPECT_EQ(other.Wait(), 0);
    }
    EXPECT_EQ(customers(), "Ann;Bob;");
    EXPECT_EQ(g_DataDatabaseCache.GetCount(), 1);
    // The end of the run closes it.
    ClearRecordsetCaches();
    EXPECT_EQ(g_DataDatabaseCache.GetCount(), 0);
    EXPECT_EQ(customers(), "Ann;Bob;");
}

TEST_F(QueryObjectsTest, TheQueryCommandIsWrittenBackWithItsBlocks) {
    AddPage(40, "Page");
    auto page = LoadPage(40);
    QZVantrelMemoFld& parser = *page->GetParseContext();
    auto writeBack = [&](const char* text, SHORT mode) {
        parser.SetMode(mode);
        parser.Parse(text);
        CString written;
        parser.WriteSource(written);
        return written.str();
    };
    const char* const full = "<<query 5:31>><<firstrow>>F<</firstrow>>R<<norows>>N<</query>>";
    EXPECT_EQ(writeBack(full, QZVantrelContext::MODE_REWRITE), full);
    EXPECT_EQ(writeBack("<<query 5:31>>R<</query>>", QZVantrelContext::MODE_REWRITE),
              "<<query 5:31>>R<</query>>");
    EXPECT_EQ(writeBack("<<query 5:31>><<firstrow>><</firstrow>>R<</query>>",
                        QZVantrelContext::MODE_REWRITE),
              "<<query 5:31>>R<</query>>");
    // In modes 1 and 2 only the opening is written back.
    EXPECT_EQ(writeBack(full, QZVantrelContext::MODE_PLAIN), "<<query 5:31>>");
    EXPECT_EQ(writeBack(full, QZVantrelContext::MODE_FIRST).find("firstrow"), std::string::npos);
}

} // namespace
