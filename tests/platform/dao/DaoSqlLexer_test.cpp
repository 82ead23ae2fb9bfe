#include "platform/dao/DaoSqlLexer.h"

#include <gtest/gtest.h>

namespace {

TEST(DaoSqlLexerTest, SingleTableIsFoundOnlyForPlainSelections) {
    struct Case {
        const char* sql;
        const char* table;
    };
    const Case cases[] = {
        {"SELECT * FROM People", "People"},
        {"select People.* from [People] where Age > 3 order by Name", "People"},
        {"SELECT DbID, Name FROM People WHERE Name = 'a, b'", "People"},
        {"SELECT a.Name FROM People AS a", "People"},
        {"SELECT Name AS N FROM People", ""},
        {"SELECT count(*) FROM People", ""},
        {"SELECT * FROM People, Other", ""},
        {"SELECT * FROM People INNER JOIN Other ON People.A = Other.A", ""},
        {"SELECT Name FROM People UNION SELECT Name FROM Other", ""},
        {"SELECT DbID FROM People GROUP BY DbID", ""},
        {"SELECT * FROM (SELECT * FROM People)", ""},
        {"UPDATE People SET Age = 1", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.table, DaoSqlLexer::SingleTable(c.sql)) << c.sql;
}

TEST(DaoSqlLexerTest, SelectListStartsAfterSelectAndDistinct) {
    EXPECT_EQ(6u, DaoSqlLexer::SelectListStart("SELECT * FROM T"));
    EXPECT_EQ(15u, DaoSqlLexer::SelectListStart("SELECT DISTINCT a FROM T"));
    EXPECT_EQ(std::string::npos,
              DaoSqlLexer::SelectListStart("WITH x AS (SELECT 1) SELECT * FROM x"));
}

TEST(DaoSqlLexerTest, SoleNameIsATextOfOneName) {
    EXPECT_EQ("Marquill", DaoSqlLexer::SoleName("[Marquill]"));
    EXPECT_EQ("Marquill", DaoSqlLexer::SoleName("  Marquill ; "));
    EXPECT_EQ("My Table", DaoSqlLexer::SoleName("\"My Table\""));
    EXPECT_EQ("", DaoSqlLexer::SoleName("SELECT * FROM Marquill"));
    EXPECT_EQ("", DaoSqlLexer::SoleName("'Marquill'"));
}

} // namespace
