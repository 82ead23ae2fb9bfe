// The row-action set on real data databases named by Query rows of a real site database: rows
// added from the variables of a command's scope with the counter copied outwards, rows edited
// and deleted by their full primary key only, values bound and never read as SQL, action
// queries run with parameters, and the failure texts.

#include "platform/dao/CDaoDatabase.h"
#include "template/data/CActionSet.h"
#include "tests/template/data/DataTestSupport.h"
#include "tests/template/data/TestRowCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ActionSetTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        TestRowCommand::Register();
        AddQuery(7, "Items", true, m_shop);
        AddQuery(8, "OrderLines", true, m_shop);
        AddQuery(10, "Codes", true, m_shop);
        AddQuery(11, "RaisePrices", false, m_shop);
    }
    void TearDown() override {
        TestRowCommand::Unregister();
        DataTest::TearDown();
    }

    std::string Lines() { return Rows(m_shop, "SELECT * FROM OrderLines ORDER BY OrderID, Line"); }
    std::string Codes() { return Rows(m_shop, "SELECT * FROM Codes ORDER BY Code"); }
};

TEST_F(ActionSetTest, AddsARowAndCopiesItsCounterToTheEnclosingScope) {
    EXPECT_EQ(Generate("<<addrow :7, Name=\"Nut\", Category=\"tools\", Price=0.25>> "
                       "<<interpret ItemID>>"),
              "ok 5");
    EXPECT_EQ(Rows(m_shop, "SELECT ItemID, Name, Category, Price FROM Items WHERE ItemID = 5"),
              "5,Nut,tools,0.25");
    EXPECT_EQ(Var("Name"), nullptr); // the parameters stay in the command's own scope
}

TEST_F(ActionSetTest, WithoutAParentScopeTheCounterGoesToTheVariablesThemselves) {
    SymbolTable variables(nullptr);
    variables.SetString("Name", "Bolt");
    CActionSet set;
    ASSERT_TRUE(set.Prepare(&Db(), QZKeyCombo(kDbId, 7), &variables));
    EXPECT_EQ(set.AddRow(nullptr), "");
    ASSERT_NE(variables.Find("ItemID", FALSE), nullptr);
    EXPECT_EQ(variables.Find("ItemID", FALSE)->GetInteger(), 5);
}

TEST_F(ActionSetTest, AnEmptyTextIsNullWhereTheFieldRefusesOne) {
    EXPECT_EQ(Generate("<<addrow :7, Name=\"Nut\", Code=\"\", Notes=\"\">>"), "ok");
    EXPECT_EQ(Rows(m_shop, "SELECT Code, Notes, Category FROM Items WHERE Name = 'Nut'"),
              "null,,null");
}

TEST_F(ActionSetTest, EditsAndDeletesTheRowOfTheFullKeyOnly) {
    struct Case {
        const char* text;
        const char* output;
        const char* lines;
    };
    const Case cases[] = {
        {"<<editrow :8, OrderID=1.0, Line=2, Qty=9>>", "ok", "1,1,5;1,2,9;2,1,7"},
        {"<<editrow :8, OrderID=1, Qty=8>>", "EditRow Failed: Unable to find row.",
         "1,1,5;1,2,9;2,1,7"},
        {"<<editrow :8, OrderID=3, Line=1, Qty=8>>", "EditRow Failed: Unable to find row.",
         "1,1,5;1,2,9;2,1,7"},
        {"<<delrow :8, Line=1>>", "DelRow Failed: Unable to find row.", "1,1,5;1,2,9;2,1,7"},
        {"<<delrow :8, OrderID=\"2\", Line=1>>", "ok", "1,1,5;1,2,9"},
        {"<<editrow :8, OrderID=\"1 OR 1=1\", Line=1, Qty=0>>",
         "EditRow Failed: Unable to find row.", "1,1,5;1,2,9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Generate(c.text), c.output) << c.text;
        EXPECT_EQ(Lines(), c.lines) << c.text;
    }
}

TEST_F(ActionSetTest, TextKeysAreBoundNotSplicedAndLoseOnePairOfQuotes) {
    struct Case {
        const char* text;
        const char* output;
        const char* codes;
    };
    const Case cases[] = {
        {"<<editrow :10, Code=\"abc' OR '1'='1\", Title=\"Hacked\">>",
         "EditRow Failed: Unable to find row.", "abc,First;xyz,Last"},
        {"<<delrow :10, Code=\"x' OR Code <> '\">>", "DelRow Failed: Unable to find row.",
         "abc,First;xyz,Last"},
        {"<<editrow :10, Code=\"'ABC'\", Title=\"Quoted\">>", "ok", "abc,Quoted;xyz,Last"},
        {"<<delrow :10, Code=\"xyz\">>", "ok", "abc,Quoted"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Generate(c.text), c.output) << c.text;
        EXPECT_EQ(Codes(), c.codes) << c.text;
    }
}

TEST_F(ActionSetTest, TheSameKeyTwiceIsRefused) {
    EXPECT_EQ(Generate("<<addrow :8, OrderID=1, Line=1, Qty=3>>"),
              "AddRow Failed: The row cannot be saved: table 'OrderLines' already has a row with "
              "the same values in index 'PrimaryKey' (OrderID, Line).");
    EXPECT_EQ(Lines(), "1,1,5;1,2,6;2,1,7");
}

TEST_F(ActionSetTest, RowOperationsOnAStoredQueryAreRefused) {
    EXPECT_EQ(Generate("<<addrow :11>>"), "AddRow Failed: query is not a table");
    EXPECT_EQ(Generate("<<editrow :11>>"), "EditRow Failed: query is not a table");
    EXPECT_EQ(Generate("<<delrow :11>>"), "DelRow Failed: query is not a table");
}

TEST_F(ActionSetTest, APreparedKeyAndAKeyWithoutAQueryRowAreRefused) {
    SymbolTable variables(nullptr);
    CActionSet set;
    EXPECT_TRUE(set.Prepare(&Db(), QZKeyCombo(kDbId, 8), &variables));
    EXPECT_FALSE(set.Prepare(&Db(), QZKeyCombo(kDbId, 8), &variables));
    EXPECT_TRUE(set.Prepare(&Db(), QZKeyCombo(kDbId, 7), &variables));
    EXPECT_FALSE(set.Prepare(&Db(), QZKeyCombo(kDbId, 99), &variables));
    CActionSet fresh;
    EXPECT_FALSE(fresh.Prepare(&Db(), QZKeyCombo(kDbId, 0), &variables));
}

TEST_F(ActionSetTest, ExecutesAnActionQueryWithParametersFromTheVariables) {
    SymbolTable variables(nullptr);
    variables.SetString("cat", "food");
    CActionSet set;
    ASSERT_TRUE(set.Prepare(&Db(), QZKeyCombo(kDbId, 11), &variables));
    EXPECT_FALSE(set.ExecuteQuery(nullptr)); // delta has no variable
    EXPECT_EQ(Rows(m_shop, "SELECT Price FROM Items WHERE Category = 'food' ORDER BY Name"),
              "0.5;0.75");
    variables.SetDouble("delta", 1);
    EXPECT_TRUE(set.ExecuteQuery(nullptr));
    EXPECT_EQ(Rows(m_shop, "SELECT Price FROM Items WHERE Category = 'food' ORDER BY Name"),
              "1.5;1.75");
}

TEST_F(ActionSetTest, ExecutingATableShowsItsMessageAndChangesNothing) {
    MessageBoxRecorder boxes;
    SymbolTable variables(nullptr);
    CActionSet set;
    ASSERT_TRUE(set.Prepare(&Db(), QZKeyCombo(kDbId, 7), &variables));
    EXPECT_FALSE(set.ExecuteQuery(nullptr));
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{
                  "Cannot use a query specified as TableDef to perform ExecuteQuery!"});
}

TEST_F(ActionSetTest, EngineErrorsComeBackWithTheirText) {
    std::string missing = m_dir.file("gone.mdb");
    AddQuery(20, "Items", true, missing);
    AddQuery(21, "spItems", false, m_shop);
    EXPECT_EQ(Generate("<<addrow :20, Name=\"x\">>"),
              "engine 3024: Could not find the database file '" + missing + "'.");
    EXPECT_EQ(GenerateAgain(), "engine 3024: Could not find the database file '" + missing + "'.");
    SymbolTable variables(nullptr);
    CActionSet set;
    ASSERT_TRUE(set.Prepare(&Db(), QZKeyCombo(kDbId, 21), &variables));
    EXPECT_EQ(EngineErrorText([&] { set.ExecuteQuery(nullptr); }),
              "ODBC--call failed: the query 'spItems' is a pass-through query for a database "
              "server (ODBC;DSN=Shop), and there is no server to run it.");
}

TEST_F(ActionSetTest, APlainSqliteFileTakesRowActions) {
    std::string stock = m_dir.file("stock.db");
    CreatePlainStockFile(stock);
    AddQuery(12, "Stock", true, stock);
    EXPECT_EQ(Generate("<<addrow :12, Name=\"Washer\", Qty=5>> <<interpret StockID>> "
                       "<<editrow :12, StockID=1, Qty=41>> <<delrow :12, StockID=2>>"),
              "ok 3 ok ok");
    EXPECT_EQ(Rows(stock, "SELECT * FROM Stock ORDER BY StockID"), "1,Bolt,41;3,Washer,5");
}

TEST_F(ActionSetTest, TheDatabaseNameIsMappedLikeAnyPath) {
    ASSERT_EQ(0, ::setenv("MARQUILL_ROOT", m_dir.path().c_str(), 1));
    AddQuery(31, "Codes", true, "C:\\shop.mdb");
    std::string output = Generate("<<delrow :31, Code=\"abc\">>");
    ::unsetenv("MARQUILL_ROOT");
    EXPECT_EQ(output, "ok");
    EXPECT_EQ(Codes(), "xyz,Last");
}

TEST_F(ActionSetTest, TheDevelopmentOrProductionFileIsChosenByTheSite) {
    std::string production = m_dir.file("prod.mdb");
    CreateShopDatabase(production, " (live)");
    AddQuery(30, "Items", true, m_shop, production);
    ExecuteOn(m_path, "UPDATE Marquill SET Miscellaneous = 'PRODUCTION'");
    Db().Close();
    ASSERT_EQ(Db().OpenDatabase(0), 1);
    EXPECT_EQ(Generate("<<delrow :30, ItemID=1>>"), "ok");
    EXPECT_EQ(Rows(production, "SELECT Name FROM Items ORDER BY ItemID"),
              "Saw (live);Apple (live);Pear (live)");
    EXPECT_EQ(Rows(m_shop, "SELECT Name FROM Items ORDER BY ItemID"), "Hammer;Saw;Apple;Pear");
}

} // namespace
