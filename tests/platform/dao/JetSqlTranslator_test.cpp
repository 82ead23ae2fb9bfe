#include "platform/dao/JetSqlTranslator.h"

#include "tests/platform/dao/JetSqlTestCatalog.h"
#include "tests/platform/dao/JetSqlTestDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const JetSqlTestTable kTables[] = {
    {"Documents", "DbID:L DocID:L Title:T Dynamic:B GenerateFlag:B Deleted:B SectionDbID:L "
                  "SectionID:L LastChanged:D Hits:L"},
    {"Dependents", "ObjDbID:L ObjKeyID:L UseDbID:L UseKeyID:L UseTypeID:L Note:T"},
    {"Sections", "DbID:L SectionID:L SectionName:T Deleted:B"},
};

const JetSqlTestCatalog& Catalog() {
    static const JetSqlTestCatalog catalog(kTables);
    return catalog;
}

JetSqlTranslation Translate(const std::string& text) {
    return JetSqlTranslator::Translate(text, Catalog());
}

std::vector<std::string> ParameterNames(const JetSqlTranslation& t) {
    std::vector<std::string> names;
    for (const JetSqlParameter& p : t.parameters)
        names.push_back(p.name);
    return names;
}

// The tables of the catalog in an in-memory database, with a few rows.
class JetSqlTranslatorRows : public ::testing::Test {
protected:
    void SetUp() override {
        for (const std::string& sql : Catalog().CreateStatements())
            db.Exec(sql);
        db.Exec("INSERT INTO Documents (DbID, DocID, Title, Dynamic, GenerateFlag, Deleted, Hits)"
                " VALUES (1, 1, 'Home', 0, 0, 0, 5), (1, 2, 'Same', 0, 1, 0, 0),"
                " (1, 3, 'Same', 1, 0, 0, 0), (1, 4, NULL, 0, 0, 0, 0),"
                " (1, 5, 'Gone', 0, 0, 1, 0)");
        // Page 1 uses image 1:7 twice; pages 2 and 3 (same title) use it once each.
        db.Exec("INSERT INTO Dependents VALUES (1, 1, 1, 7, 4, 'first'), (1, 1, 1, 7, 4, 'again'),"
                " (1, 2, 1, 7, 4, 'b'), (1, 3, 1, 7, 4, 'c'), (1, 4, 1, 8, 4, 'other')");
    }

    JetSqlTestDatabase::Rows Run(const std::string& jet,
                                 const std::vector<JetSqlTestDatabase::Value>& values = {}) {
        return db.Query(Translate(jet).sql, values);
    }

    JetSqlTestDatabase db;
};

using Rows = JetSqlTestDatabase::Rows;

} // namespace

TEST(JetSqlTranslator, WritesTheDialectAsSqlite) {
    struct Case {
        const char* jet;
        const char* sqlite;
    } cases[] =
        {
            // A bracketed column is a column, not a parameter.
            {"SELECT Documents.DocID FROM Documents WHERE (([Dynamic])=0);",
             R"(SELECT "Documents"."DocID" FROM "Documents" WHERE "Documents"."Dynamic" = 0)"},
            // Bang and bracketed-dot names; + on text joins; mixed-case As.
            {"SELECT \"A\"+[Documents]![Title] As Title, [Documents].[Hits]+1 AS Next FROM "
             "Documents",
             R"(SELECT 'A' || "Documents"."Title" AS "Title", "Documents"."Hits" + 1 AS "Next" FROM "Documents")"},
            {"SELECT IIf([Dynamic]=0,\"S\"+IIf([GenerateFlag]=0,\"C\",\"D\"),\"DC\")+Title AS T "
             "FROM Documents",
             R"(SELECT CASE WHEN "Documents"."Dynamic" = 0 THEN 'S' || CASE WHEN "Documents"."GenerateFlag" = 0 THEN 'C' ELSE 'D' END ELSE 'DC' END || "Documents"."Title" AS "T" FROM "Documents")"},
            {"SELECT Title FROM Documents WHERE Title = \"it's \"\"new\"\"\" OR Title='x'",
             R"(SELECT "Documents"."Title" FROM "Documents" WHERE "Documents"."Title" = 'it''s "new"' OR "Documents"."Title" = 'x')"},
            {"SELECT\t\t\tTitle\r\n\t\t\tFROM Documents\t\t\tWHERE Title Is Null OR Title Is Not "
             "Null",
             R"(SELECT "Documents"."Title" FROM "Documents" WHERE "Documents"."Title" IS NULL OR "Documents"."Title" IS NOT NULL)"},
            {"SELECT Title FROM Documents WHERE Title Like \"Ho?e*\" AND Title Not Like "
             "\"100%[*]_\"",
             R"(SELECT "Documents"."Title" FROM "Documents" WHERE "Documents"."Title" LIKE 'Ho_e%' ESCAPE '\' AND "Documents"."Title" NOT LIKE '100\%*\_' ESCAPE '\')"},
            {"SELECT Title & \" (\" & Hits & \")\" AS Label FROM Documents",
             R"(SELECT COALESCE(COALESCE(COALESCE("Documents"."Title", '') || COALESCE(' (', ''), '') || COALESCE("Documents"."Hits", ''), '') || COALESCE(')', '') AS "Label" FROM "Documents")"},
            {"SELECT DocID FROM Documents WHERE LastChanged >= #3/14/1999# AND Dynamic <> True "
             "AND GenerateFlag = False",
             R"(SELECT "Documents"."DocID" FROM "Documents" WHERE "Documents"."LastChanged" >= '1999-03-14 00:00:00' AND "Documents"."Dynamic" <> -1 AND "Documents"."GenerateFlag" = 0)"},
            {"SELECT (Hits + 1) * 2, Hits - (DocID - 1), Hits / 2 FROM Documents WHERE NOT (DocID "
             "= 1 "
             "OR DocID = 2) AND Hits Mod 2 = 0",
             R"(SELECT ("Documents"."Hits" + 1) * 2 AS "Expr1000", "Documents"."Hits" - ("Documents"."DocID" - 1) AS "Expr1001", CAST("Documents"."Hits" AS REAL) / 2 AS "Expr1002" FROM "Documents" WHERE NOT ("Documents"."DocID" = 1 OR "Documents"."DocID" = 2) AND "Documents"."Hits" % 2 = 0)"},
            {"SELECT DocID FROM Documents WHERE DocID In (1, 2) AND Hits Between 1 And 9",
             R"(SELECT "Documents"."DocID" FROM "Documents" WHERE "Documents"."DocID" IN (1, 2) AND "Documents"."Hits" BETWEEN 1 AND 9)"},
            {"SELECT Count(*) AS N, Max(Hits) FROM Documents AS D GROUP BY D.Dynamic HAVING "
             "Count(*)>1",
             R"(SELECT count(*) AS "N", max("D"."Hits") AS "Expr1001" FROM "Documents" AS "D" GROUP BY "D"."Dynamic" HAVING count(*) > 1)"},
            {"SELECT TOP 3 * FROM Documents ORDER BY Hits DESC, Title",
             R"(SELECT * FROM "Documents" ORDER BY "Documents"."Hits" DESC, "Documents"."Title" LIMIT 3)"},
            // An alias stands for its expression elsewhere in the query.
            {"SELECT Hits*2 AS Double FROM Documents WHERE Double > 4 ORDER BY Double",
             R"(SELECT "Documents"."Hits" * 2 AS "Double" FROM "Documents" WHERE "Documents"."Hits" * 2 > 4 ORDER BY "Documents"."Hits" * 2)"},
            {"SELECT DocID FROM Documents WHERE Exists (SELECT * FROM Dependents WHERE "
             "ObjKeyID = Documents.DocID)",
             R"(SELECT "Documents"."DocID" FROM "Documents" WHERE EXISTS (SELECT * FROM "Dependents" WHERE "Dependents"."ObjKeyID" = "Documents"."DocID"))"},
            // DISTINCTROW over one table changes nothing.
            {"SELECT DISTINCTROW Sections.SectionName FROM Sections",
             R"(SELECT "Sections"."SectionName" FROM "Sections")"},
            {"SELECT DISTINCT Sections.SectionName FROM Sections",
             R"(SELECT DISTINCT "Sections"."SectionName" FROM "Sections")"},
            // Over a join whose output comes from one table: that table's rows the join finds.
            {"SELECT DISTINCTROW Documents.Title FROM Documents INNER JOIN Dependents ON "
             "(Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = Dependents.ObjDbID) "
             "WHERE Dependents.UseKeyID=7 ORDER BY Documents.Title;",
             R"(SELECT "Documents"."Title" FROM "Documents" WHERE "Documents".rowid IN (SELECT "Documents".rowid FROM "Documents" INNER JOIN "Dependents" ON "Documents"."DocID" = "Dependents"."ObjKeyID" AND "Documents"."DbID" = "Dependents"."ObjDbID" WHERE "Dependents"."UseKeyID" = 7) ORDER BY "Documents"."Title")"},
            {"SELECT DISTINCTROW D.Title, S.SectionName FROM (Documents AS D INNER JOIN Sections "
             "AS S "
             "ON D.SectionID = S.SectionID) LEFT JOIN Dependents ON D.DocID = Dependents.ObjKeyID",
             R"(SELECT "D"."Title", "S"."SectionName" FROM "Documents" AS "D" INNER JOIN "Sections" AS "S" ON "D"."SectionID" = "S"."SectionID" LEFT JOIN "Dependents" ON "D"."DocID" = "Dependents"."ObjKeyID" GROUP BY "D".rowid, "S".rowid)"},
            // Action queries.
            {"UPDATE DISTINCTROW Documents SET Documents.LastChanged = Now(), Documents.Hits = "
             "Documents.Hits+1 WHERE (((Documents.DocID)=3));",
             R"(UPDATE "Documents" SET "LastChanged" = strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'), "Hits" = "Documents"."Hits" + 1 WHERE "Documents"."DocID" = 3)"},
            {"DELETE DISTINCTROW Sections.*, Sections.Deleted FROM Sections WHERE "
             "Sections.Deleted=1;",
             R"(DELETE FROM "Sections" WHERE "Sections"."Deleted" = 1)"},
            {"DELETE * FROM Sections", R"(DELETE FROM "Sections")"},
            {"UPDATE Documents INNER JOIN Dependents ON Documents.DocID = Dependents.ObjKeyID SET "
             "Documents.Hits = Documents.Hits + 1 WHERE Dependents.UseKeyID = 7",
             R"(UPDATE "Documents" SET "Hits" = "Documents"."Hits" + 1 WHERE "Documents".rowid IN (SELECT "Documents".rowid FROM "Documents" INNER JOIN "Dependents" ON "Documents"."DocID" = "Dependents"."ObjKeyID" WHERE "Dependents"."UseKeyID" = 7))"},
            {"UPDATE Documents AS D INNER JOIN Dependents ON D.DocID = Dependents.ObjKeyID SET "
             "D.Title = Dependents.Note, D.Hits = 0 WHERE Dependents.UseKeyID = 7 OR D.DocID = 9",
             R"(UPDATE "Documents" AS "jet_target" SET "Title" = (SELECT "Dependents"."Note" FROM "Documents" AS "D" INNER JOIN "Dependents" ON "D"."DocID" = "Dependents"."ObjKeyID" WHERE "D".rowid = "jet_target".rowid AND ("Dependents"."UseKeyID" = 7 OR "D"."DocID" = 9) LIMIT 1), "Hits" = 0 WHERE "jet_target".rowid IN (SELECT "D".rowid FROM "Documents" AS "D" INNER JOIN "Dependents" ON "D"."DocID" = "Dependents"."ObjKeyID" WHERE "Dependents"."UseKeyID" = 7 OR "D"."DocID" = 9))"},
            {"DELETE Dependents.* FROM Dependents INNER JOIN Documents ON Dependents.ObjKeyID = "
             "Documents.DocID WHERE Documents.Deleted = 1",
             R"(DELETE FROM "Dependents" WHERE "Dependents".rowid IN (SELECT "Dependents".rowid FROM "Dependents" INNER JOIN "Documents" ON "Dependents"."ObjKeyID" = "Documents"."DocID" WHERE "Documents"."Deleted" = 1))"},
            {"INSERT INTO Sections (DbID, SectionName) VALUES (1, \"News\")",
             R"(INSERT INTO "Sections" ("DbID", "SectionName") VALUES (1, 'News'))"},
            {"INSERT INTO Sections SELECT * FROM Sections WHERE Deleted = 1",
             R"(INSERT INTO "Sections" SELECT * FROM "Sections" WHERE "Sections"."Deleted" = 1)"},
            // A UNION sorted by an alias of its first SELECT.
            {"SELECT Documents.DbID AS [DbID], Documents.DocID AS [ObjectID], 2 AS [ObjectType] "
             "FROM "
             "Documents UNION SELECT Sections.DbID, Sections.SectionID As ObjectID, 1 As "
             "ObjectType "
             "FROM Sections ORDER BY [ObjectType] DESC;",
             R"(SELECT "Documents"."DbID", "Documents"."DocID" AS "ObjectID", 2 AS "ObjectType" FROM "Documents" UNION SELECT "Sections"."DbID", "Sections"."SectionID" AS "ObjectID", 1 AS "ObjectType" FROM "Sections" ORDER BY "ObjectType" DESC)"},
        };
    JetSqlTestDatabase db;
    for (const std::string& sql : Catalog().CreateStatements())
        db.Exec(sql);
    for (const Case& c : cases) {
        JetSqlTranslation t = Translate(c.jet);
        EXPECT_EQ(t.sql, c.sqlite) << c.jet;
        EXPECT_EQ(db.PrepareError(t.sql), "") << t.sql;
    }
}

TEST(JetSqlTranslator, ParametersTakeDeclaredPositionsThenFirstAppearance) {
    // pUnused is declared and never used: it keeps position 0. pSelect appears before pWhere
    // in the text although the select list is written after FROM is read.
    JetSqlTranslation t = Translate(
        "PARAMETERS pUnused Long, [Enter a date] DateTime, pName Text(50), pFlag Byte;\r\n"
        "SELECT [pSelect] AS Shown, Title FROM Documents WHERE LastChanged > [Enter a date] "
        "AND DocID = [pWhere] AND Title = pName AND Deleted = [pFlag] AND Hits = [pWhere] "
        "ORDER BY [pOrder];");
    EXPECT_EQ(ParameterNames(t),
              (std::vector<std::string>{"pUnused", "Enter a date", "pName", "pFlag", "pSelect",
                                        "pWhere", "pOrder"}));
    std::vector<JetParamType> types;
    for (const JetSqlParameter& p : t.parameters)
        types.push_back(p.type);
    EXPECT_EQ(types, (std::vector<JetParamType>{JetParamType::Long, JetParamType::DateTime,
                                                JetParamType::Text, JetParamType::Byte,
                                                JetParamType::Unknown, JetParamType::Unknown,
                                                JetParamType::Unknown}));
    EXPECT_EQ(t.sql, R"(SELECT ?5 AS "Shown", "Documents"."Title" FROM "Documents" WHERE )"
                     R"("Documents"."LastChanged" > ?2 AND "Documents"."DocID" = ?6 AND )"
                     R"("Documents"."Title" = ?3 AND "Documents"."Deleted" = ?4 AND )"
                     R"("Documents"."Hits" = ?6 ORDER BY ?7)");
}

TEST(JetSqlTranslator, UndeclaredNamesAreNotTablesColumnsOrAliases) {
    JetSqlTranslation t = Translate(
        "SELECT DISTINCTROW Documents.*, [Hits]*2 AS Twice FROM Documents WHERE "
        "(((Documents.DbID)=[argDbID]) AND (([DocID])=[argKeyID]) AND (([Twice])>[argDbID]));");
    EXPECT_EQ(ParameterNames(t), (std::vector<std::string>{"argDbID", "argKeyID"}));
    EXPECT_EQ(t.sql, R"(SELECT "Documents".*, "Documents"."Hits" * 2 AS "Twice" FROM "Documents")"
                     R"( WHERE "Documents"."DbID" = ?1 AND "Documents"."DocID" = ?2 AND )"
                     R"("Documents"."Hits" * 2 > ?1)");
}

TEST(JetSqlTranslator, ReportsTheKindOfStatement) {
    using K = JetSqlTranslation::Kind;
    EXPECT_EQ(Translate("SELECT * FROM Sections").kind, K::Select);
    EXPECT_EQ(Translate("UPDATE Sections SET Deleted = 1").kind, K::Update);
    EXPECT_EQ(Translate("DELETE FROM Sections").kind, K::Delete);
    EXPECT_EQ(Translate("INSERT INTO Sections (DbID) VALUES (1)").kind, K::Insert);
}

TEST(JetSqlTranslator, ASelectionOfOneTableNamesItsTableColumnsAndKeys) {
    JetSqlTranslation all = Translate("SELECT DISTINCTROW Sections.* FROM Sections WHERE "
                                      "Sections.DbID = [a] ORDER BY SectionName");
    EXPECT_EQ(all.baseTable, "Sections");
    EXPECT_EQ(all.selectColumns,
              (std::vector<std::string>{"DbID", "SectionID", "SectionName", "Deleted"}));
    EXPECT_EQ(all.keySql, R"(SELECT "Sections".rowid FROM "Sections" WHERE "Sections"."DbID" = ?1)"
                          R"( ORDER BY "Sections"."SectionName")");

    JetSqlTranslation some =
        Translate("SELECT sectionname, [Sections]![dbid] AS DbID FROM Sections");
    EXPECT_EQ(some.baseTable, "Sections");
    EXPECT_EQ(some.selectColumns, (std::vector<std::string>{"SectionName", "DbID"}));

    JetSqlTranslation joined =
        Translate("SELECT DISTINCTROW Documents.DocID FROM Documents INNER JOIN Dependents ON "
                  "Documents.DocID = Dependents.ObjKeyID");
    EXPECT_EQ(joined.baseTable, "Documents");
    EXPECT_EQ(joined.selectColumns, std::vector<std::string>{"DocID"});

    const char* notPlain[] = {
        "SELECT \"A\"+Title AS Title FROM Documents",
        "SELECT Title AS Caption FROM Documents",
        "SELECT DISTINCT Title FROM Documents",
        "SELECT Count(*) FROM Documents",
        "SELECT Documents.DocID FROM Documents INNER JOIN Dependents ON "
        "Documents.DocID = Dependents.ObjKeyID",
        "SELECT DbID FROM Sections UNION SELECT DbID FROM Sections",
        "UPDATE Sections SET Deleted = 1",
    };
    for (const char* text : notPlain) {
        JetSqlTranslation t = Translate(text);
        EXPECT_EQ(t.baseTable, "") << text;
        EXPECT_TRUE(t.selectColumns.empty()) << text;
        EXPECT_EQ(t.keySql, "") << text;
    }
}

TEST(JetSqlTranslator, RefusesWhatItCannotTranslateWithAReason) {
    using R = JetSqlError::Reason;
    struct Case {
        const char* text;
        R reason;
    } cases[] = {
        {"SELECT * FROM Nowhere", R::UnknownTable},
        {"UPDATE Nowhere SET a = 1", R::UnknownTable},
        {"INSERT INTO Nowhere VALUES (1)", R::UnknownTable},
        {"SELECT Documents.Nothing FROM Documents", R::UnknownColumn},
        {"SELECT Docs.Title FROM Documents", R::UnknownColumn},
        {"UPDATE Documents SET Nothing = 1", R::UnknownColumn},
        {"SELECT Title FROM Documents WHERE", R::Syntax},
        {"SELECT Title Documents", R::Syntax},
        {"SELECT Title FROM Documents; SELECT 1", R::Syntax},
        {"PARAMETERS a Whatever; SELECT a", R::Syntax},
        {"PARAMETERS a Long, A Long; SELECT a", R::Syntax},
        {"SELECT DbID FROM Documents INNER JOIN Sections ON Documents.SectionID = "
         "Sections.SectionID",
         R::Syntax},
        {"SELECT Documents FROM Documents", R::Syntax},
        {"SELECT DbID FROM Sections UNION SELECT DbID FROM Sections ORDER BY Title", R::Syntax},
        {"SELECT x+1 AS x FROM Documents", R::Syntax},
        {"DELETE FROM Documents INNER JOIN Dependents ON Documents.DocID = Dependents.ObjKeyID",
         R::Syntax},
        {"SELECT Format(Title) FROM Documents", R::Unsupported},
        {"SELECT Hits \\ 2 FROM Documents", R::Unsupported},
        {"SELECT LastChanged + 1 FROM Documents", R::Unsupported},
        {"SELECT Title FROM Documents WHERE Title Like \"[a-c]*\"", R::Unsupported},
        {"SELECT Title INTO Copy FROM Documents", R::Unsupported},
        {"TRANSFORM Count(*) SELECT Title FROM Documents PIVOT Hits", R::Unsupported},
        {"UPDATE Documents INNER JOIN Sections ON Documents.SectionID = Sections.SectionID SET "
         "Documents.Hits = 1, Sections.Deleted = 1",
         R::Unsupported},
    };
    for (const Case& c : cases) {
        try {
            Translate(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const JetSqlError& e) {
            EXPECT_EQ(e.GetReason(), c.reason) << c.text << ": " << e.what();
        }
    }
}

TEST_F(JetSqlTranslatorRows, PlusOnTextJoinsAndANullTitleStaysNull) {
    Rows rows = Run("SELECT DocID, \"A\"+[Documents]![Title] AS T, Hits+1 AS N FROM Documents "
                    "WHERE DocID In (1, 4) ORDER BY DocID");
    EXPECT_EQ(rows, (Rows{{"1", "AHome", "6"}, {"4", "<null>", "1"}}));
    EXPECT_EQ(Run("SELECT \"x\" & Title AS T FROM Documents WHERE DocID = 4"), (Rows{{"x"}}));
}

TEST_F(JetSqlTranslatorRows, NestedIIfGivesThePageMarkers) {
    Rows rows = Run("SELECT IIf([Dynamic]=0,\"S\"+IIf([GenerateFlag]=0,\"C\",\"D\"),\"DC\")+"
                    "[Documents].[Title] AS Title FROM Documents WHERE DocID In (1,2,3) "
                    "ORDER BY DocID");
    EXPECT_EQ(rows, (Rows{{"SCHome"}, {"SDSame"}, {"DCSame"}}));
}

TEST_F(JetSqlTranslatorRows, DistinctRowOnAJoinListsEachPageOnce) {
    // Page 1 is used twice by image 1:7 and listed once; pages 2 and 3 share a title and are
    // both listed, which DISTINCT on the output would not do.
    std::string jet = "PARAMETERS argDbID Long, argKeyID Long; SELECT DISTINCTROW Documents.Title "
                      "FROM Documents INNER JOIN Dependents ON (Documents.DocID = "
                      "Dependents.ObjKeyID) AND (Documents.DbID = Dependents.ObjDbID) WHERE "
                      "(((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID])) "
                      "ORDER BY Documents.Title;";
    EXPECT_EQ(Run(jet, {1, 7}), (Rows{{"Home"}, {"Same"}, {"Same"}}));
    EXPECT_EQ(Run("SELECT Documents.Title FROM Documents INNER JOIN Dependents ON "
                  "Documents.DocID = Dependents.ObjKeyID WHERE Dependents.UseKeyID = 7")
                  .size(),
              4u);
}

TEST_F(JetSqlTranslatorRows, UpdateOverAJoinChangesEachFoundRowOnce) {
    Run("UPDATE DISTINCTROW Documents INNER JOIN Dependents ON Documents.DocID = "
        "Dependents.ObjKeyID SET Documents.Hits = Documents.Hits + 1 WHERE "
        "Dependents.UseKeyID = 7");
    EXPECT_EQ(db.Query("SELECT DocID, Hits FROM Documents ORDER BY DocID"),
              (Rows{{"1", "6"}, {"2", "1"}, {"3", "1"}, {"4", "0"}, {"5", "0"}}));

    Run("UPDATE Documents AS D INNER JOIN Dependents ON D.DocID = Dependents.ObjKeyID SET "
        "D.Title = Dependents.Note WHERE Dependents.Note <> \"again\"");
    EXPECT_EQ(db.Query("SELECT DocID, Title FROM Documents ORDER BY DocID"),
              (Rows{{"1", "first"}, {"2", "b"}, {"3", "c"}, {"4", "other"}, {"5", "Gone"}}));
}

TEST_F(JetSqlTranslatorRows, DeleteOverAJoinRemovesOnlyTheNamedTablesRows) {
    Run("DELETE Dependents.* FROM Dependents INNER JOIN Documents ON Dependents.ObjKeyID = "
        "Documents.DocID WHERE Documents.Title = \"same\"");
    EXPECT_EQ(db.Query("SELECT ObjKeyID FROM Dependents ORDER BY rowid"),
              (Rows{{"1"}, {"1"}, {"4"}}));
    EXPECT_EQ(db.Query("SELECT count(*) FROM Documents"), (Rows{{"5"}}));
}

TEST_F(JetSqlTranslatorRows, NowStampsTheLocalTimeAsIsoText) {
    Run("UPDATE Documents SET Documents.LastChanged = Now() WHERE DocID = 1");
    Rows rows = db.Query("SELECT LastChanged, abs(julianday(LastChanged) - julianday('now', "
                         "'localtime')) * 86400 < 5 FROM Documents WHERE DocID = 1");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].size(), 19u);
    EXPECT_EQ(rows[0][1], "1");
}

TEST_F(JetSqlTranslatorRows, LikeWildcardsMatchAsTheDialectDoes) {
    EXPECT_EQ(Run("SELECT DocID FROM Documents WHERE Title Like \"s?m*\" ORDER BY DocID"),
              (Rows{{"2"}, {"3"}}));
    EXPECT_EQ(Run("PARAMETERS p Text; SELECT DocID FROM Documents WHERE Title Like [p]", {"H*"}),
              (Rows{{"1"}}));
    EXPECT_EQ(Run("SELECT DocID FROM Documents WHERE Title Like \"H_me\""), Rows{});
}

TEST_F(JetSqlTranslatorRows, FunctionsGiveTheDialectsResults) {
    db.Exec("UPDATE Documents SET LastChanged = '1999-03-14 10:20:00' WHERE DocID = 1");
    struct Case {
        const char* expression;
        const char* value;
    } cases[] = {
        {"Left(Title, 2)", "Ho"},
        {"Right(Title, 3)", "ome"},
        {"Right(Title, 9)", "Home"},
        {"Right(Title, 0)", ""},
        {"Mid(Title, 2, 2)", "om"},
        {"Mid(Title, 3)", "me"},
        {"Len(Title)", "4"},
        {"UCase(Title)", "HOME"},
        {"LCase(Title)", "home"},
        {"Trim(\"  a \")", "a"},
        {"Nz(Null, \"x\")", "x"},
        {"Nz(Title)", "Home"},
        {"IsNull(Title)", "0"},
        {"Abs(-3)", "3"},
        {"Year(LastChanged)", "1999"},
        {"Month(LastChanged)", "3"},
        {"Day(LastChanged)", "14"},
        {"7 / 2", "3.5"},
        {"7 Mod 4", "3"},
        {"IIf(Hits > 1, \"many\", \"few\")", "many"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Run(std::string("SELECT ") + c.expression + " FROM Documents WHERE DocID = 1"),
                  (Rows{{c.value}}))
            << c.expression;
    EXPECT_EQ(Run("SELECT Nz(Title) FROM Documents WHERE DocID = 4"), (Rows{{""}}));
}

TEST_F(JetSqlTranslatorRows, OutputColumnsKeepTheirNames) {
    JetSqlTranslation t =
        Translate("SELECT Documents.DbID AS [DbID], documents.docid, \"A\"+Title AS Title, "
                  "Hits*2 FROM Documents");
    EXPECT_EQ(db.ColumnNames(t.sql),
              (std::vector<std::string>{"DbID", "DocID", "Title", "Expr1003"}));
}
