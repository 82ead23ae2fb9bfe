// The client query set on real data databases: parameters from template variables through
// enclosing scopes, row counts, editable opens, field descriptions, stored-procedure calls,
// and queries run row by row in a page, on the production file of a production site.

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/DaoErrors.h"
#include "template/data/CClientQuerySet.h"
#include "tests/template/data/DataTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ClientQuerySetTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        data.OpenDataFile(m_shop.c_str());
    }
    void TearDown() override {
        data.Close();
        DataTest::TearDown();
    }

    // A set of a stored query with parameters from the variables seen from `context`.
    std::unique_ptr<CClientQuerySet> Open(const char* query, QZVantrelContext* context) {
        auto set = std::make_unique<CClientQuerySet>(&Db(), &data, context);
        set->OpenQueryDef(query);
        return set;
    }

    std::string Names(CClientQuerySet& set) {
        std::string names;
        for (BOOL more = set.MoveToFirst(); more; more = set.MoveToNext())
            names += set.GetFieldValue("Name").bstrVal.str() + ";";
        return names;
    }

    CDaoDatabase data;
};

TEST_F(ClientQuerySetTest, ParametersAreFoundThroughEnclosingScopes) {
    Scope().SetString("cat", "tools");
    QZVantrelMemoFld macro(&parser); // a scope of its own inside the page's
    auto set = Open("ItemsByCategory", &macro);
    ASSERT_TRUE(set->BindParameters());
    ASSERT_TRUE(set->OpenQuery(FALSE));
    EXPECT_EQ(set->GetRowCount(), 2);
    EXPECT_EQ(Names(*set), "Hammer;Saw;");
    EXPECT_FALSE(set->IsPassThrough());
}

TEST_F(ClientQuerySetTest, AMissingParameterStopsBindingAfterTheOnesBefore) {
    Scope().SetDouble("low", 0.6);
    auto set = Open("ItemsBetween", &parser);
    EXPECT_FALSE(set->BindParameters());
    EXPECT_EQ(set->GetQueryDef()->GetParamValue("low").dblVal, 0.6);
    EXPECT_EQ(set->GetQueryDef()->GetParamValue("high").vt, VT_NULL);
    Scope().SetInteger("high", 15);
    EXPECT_TRUE(set->BindParameters());
    ASSERT_TRUE(set->OpenQuery(FALSE));
    EXPECT_EQ(Names(*set), "Hammer;Pear;");
}

TEST_F(ClientQuerySetTest, AnEmptySetCountsNoRowsAndOpensEditableWithoutAnEdit) {
    Scope().SetString("cat", "none");
    for (BOOL editable : {FALSE, TRUE}) {
        auto set = Open("ItemsByCategory", &parser);
        ASSERT_TRUE(set->BindParameters());
        ASSERT_TRUE(set->OpenQuery(editable));
        EXPECT_EQ(set->GetRowCount(), 0);
        EXPECT_FALSE(set->MoveToFirst());
        EXPECT_EQ(set->GetEditMode(), dbEditNone);
    }
}

TEST_F(ClientQuerySetTest, AnEditableSetEditsItsFirstRow) {
    Scope().SetString("cat", "food");
    auto set = Open("ItemsByCategory", &parser);
    set->BindParameters();
    ASSERT_TRUE(set->OpenQuery(TRUE));
    EXPECT_EQ(set->GetRowCount(), 2);
    EXPECT_EQ(set->GetEditMode(), dbEditInProgress);
    EXPECT_EQ(set->GetFieldValue("Name").bstrVal, "Apple");
}

TEST_F(ClientQuerySetTest, FieldDescriptionsAreReadOnce) {
    auto set = Open("AllItems", &parser);
    set->BindParameters();
    set->OpenQuery(FALSE);
    ASSERT_TRUE(set->LoadFieldInfo());
    CClientQuerySet::FieldInfoList* list = set->GetFieldInfoList();
    ASSERT_EQ(list->GetCount(), 6);
    EXPECT_EQ(list->GetHead()->m_strName, "ItemID");
    EXPECT_TRUE(list->GetHead()->m_lAttributes & dbAutoIncrField);
    set->MoveToNext();
    ASSERT_TRUE(set->LoadFieldInfo());
    EXPECT_EQ(set->GetFieldInfoList(), list);
}

TEST_F(ClientQuerySetTest, StoredProcedureCallsAreWrittenOutButNotRun) {
    Scope().SetString("cat", "say \"hi\"");
    Scope().SetInteger("max", 10);
    auto set = Open("spItems", &parser);
    ASSERT_TRUE(set->BindParameters());
    EXPECT_TRUE(set->IsPassThrough());
    EXPECT_TRUE(set->IsProcedureCall());
    CString call;
    ASSERT_TRUE(set->BuildProcedureCall(call));
    EXPECT_EQ(call, "spItems @cat = \"say \"\"hi\"\"\",  @max = 10 ");
    // There is no server to run it.
    EXPECT_EQ(EngineErrorText([&] { set->OpenQuery(FALSE); }),
              "ODBC--call failed: the query is a pass-through query for a database server "
              "(ODBC;DSN=Shop), and there is no server to run it.");
    auto other = Open("Remote", &parser);
    ASSERT_TRUE(other->BindParameters());
    EXPECT_TRUE(other->IsPassThrough());
    EXPECT_FALSE(other->IsProcedureCall());
    EXPECT_EQ(EngineErrorText([&] { other->OpenQuery(FALSE); }),
              "ODBC--call failed: the query 'Remote' is a pass-through query for a database "
              "server (ODBC;DSN=Shop), and there is no server to run it.");
}

TEST_F(ClientQuerySetTest, ProcedureTextsAsTheirSqlHasThem) {
    Scope().SetString("cat", "tools");
    struct Case {
        const char* name;
        const char* sql;
        const char* call; // null when building fails
    };
    const Case cases[] = {
        {"spPlain", "spPlain", "spPlain"},
        {"spSpace", "spSpace ", "spSpace "},
        {"sptwo", "sptwo @cat @cat", "sptwo @cat = \"tools\",  @cat = \"tools\" "},
        {"spMissing", "spMissing @cat @nothing", nullptr},
    };
    for (const Case& c : cases) {
        CDaoQueryDef stored(&data);
        stored.Create(c.name, c.sql);
        stored.SetConnect("ODBC;DSN=Shop");
        stored.Append();
        auto set = Open(c.name, &parser);
        ASSERT_TRUE(set->BindParameters());
        EXPECT_TRUE(set->IsProcedureCall()) << c.name; // lower-case "sp" counts
        CString call;
        EXPECT_EQ(set->BuildProcedureCall(call), c.call != nullptr) << c.name;
        if (c.call != nullptr) {
            EXPECT_EQ(call, c.call);
        }
        if (c.call == nullptr)
            EXPECT_FALSE(set->OpenQuery(FALSE)) << c.name;
        else
            EXPECT_NE(EngineErrorText([&] { set->OpenQuery(FALSE); }), "") << c.name;
    }
}

class QueryPageTest : public DataTest {};

TEST_F(QueryPageTest, RunsTheBodyForEachRowWithTheRowCount) {
    AddQuery(7, "ItemsByCategory", false, m_shop);
    Scope().SetString("cat", "tools");
    EXPECT_EQ(Generate("<<query :7>>[<<interpret [rownumber]>>/<<interpret [rowcount]>> "
                       "<<interpret [Name]>>]<</query>>"),
              "[1/2 Hammer][2/2 Saw]");
    Scope().SetString("cat", "nothing");
    EXPECT_EQ(GenerateAgain(), "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QueryPageTest, AProductionSiteReadsTheProductionFile) {
    std::string production = m_dir.file("prod.mdb");
    CreateShopDatabase(production, " (live)");
    AddQuery(7, "AllItems", false, m_shop, production);
    ExecuteOn(m_path, "UPDATE Marquill SET Miscellaneous = 'Production'");
    Db().Close();
    ASSERT_EQ(Db().OpenDatabase(0), 1);
    ASSERT_TRUE(Db().IsProductionDb());
    EXPECT_EQ(Generate("<<query :7>><<interpret [Name]>>;<</query>>"),
              "Apple (live);Pear (live);Hammer (live);Saw (live);");
}

TEST_F(QueryPageTest, GroupsHeadTheirRowsAndStartAgainWithTheQuery) {
    AddQuery(7, "AllItems", false, m_shop);
    std::string text = "<<query :7>><<group [Category]>><h2><<interpret [Category]>></h2><</group>>"
                       "<<interpret [Name]>> <</query>>";
    std::string expected = "<h2>food</h2>Apple Pear <h2>tools</h2>Hammer Saw ";
    EXPECT_EQ(Generate(text), expected);
    EXPECT_EQ(GenerateAgain(), expected);
}

TEST_F(QueryPageTest, ANestedQueryKeepsTheOuterRowsFields) {
    AddQuery(7, "AllItems", false, m_shop);
    AddQuery(8, "ItemsByCategory", false, m_shop);
    Scope().SetString("cat", "food");
    EXPECT_EQ(Generate("<<query :7>><<interpret [Name]>>(<<query :8>><<interpret [Name]>> "
                       "<</query>>)<<interpret [Name]>> [<<interpret [rownumber]>>] <</query>>"),
              "Apple(Apple Pear )Apple [1] Pear(Apple Pear )Pear [2] Hammer(Apple Pear )Hammer "
              "[3] Saw(Apple Pear )Saw [4] ");
}

} // namespace
