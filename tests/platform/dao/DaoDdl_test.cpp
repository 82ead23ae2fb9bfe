#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoDateText.h"
#include "platform/dao/DaoDdl.h"

#include <gtest/gtest.h>

namespace {

DaoColumnSchema Column(short type, const char* defaultText) {
    DaoColumnSchema column;
    column.name = "C";
    column.type = type;
    column.defaultValue = defaultText;
    return column;
}

TEST(DaoDdlTest, DefaultTextsBecomeSqliteDefaults) {
    struct Case {
        short type;
        const char* text;
        const char* expression;
    };
    const Case cases[] = {
        {dbLong, "", ""},
        {dbLong, "0", "0"},
        {dbByte, "1", "1"},
        {dbInteger, "-5", "-5"},
        {dbBoolean, "True", "-1"},
        {dbText, "New Page", "'New Page'"},
        {dbText, "\"Quoted\"", "'Quoted'"},
        {dbText, "it's", "'it''s'"},
        {dbText, "77077", "'77077'"},
        {dbDate, "Now()", "(datetime('now','localtime'))"},
        {dbDate, "now()", "(datetime('now','localtime'))"},
        {dbDate, "0", "'1899-12-30 00:00:00'"},
        {dbDate, "#3/14/1999#", "'1999-03-14 00:00:00'"},
        {dbDate, "36233.5", "'1999-03-14 12:00:00'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expression, DaoDdl::DefaultExpression(Column(c.type, c.text))) << c.text;
}

TEST(DaoDdlTest, ColumnsTakeTheirConstraints) {
    DaoTableSchema table;
    table.name = "T";
    DaoColumnSchema text = Column(dbText, "x");
    text.name = "Title";
    text.size = 30;
    text.required = true;
    text.allowZeroLength = false;
    table.columns.push_back(text);
    std::string sql = DaoDdl::CreateTable(table);
    EXPECT_NE(std::string::npos,
              sql.find("\"Title\" VARCHAR(30) COLLATE NOCASE NOT NULL DEFAULT 'x'"))
        << sql;
    EXPECT_NE(std::string::npos, sql.find("CHECK (length(\"Title\") <= 30)")) << sql;
    EXPECT_NE(std::string::npos, sql.find("CHECK (\"Title\" <> '')")) << sql;
    EXPECT_EQ("\"a\"\"b\"", DaoDdl::QuoteName("a\"b"));
}

TEST(DaoDateTextTest, StoredTextRoundTrips) {
    DATE value = 0;
    ASSERT_TRUE(DaoParseDate("1999-03-14 10:20:00", value));
    EXPECT_EQ("1999-03-14 10:20:00", DaoFormatDate(value));
    ASSERT_TRUE(DaoParseDate("1899-12-29 06:00:00", value)); // before the epoch
    EXPECT_DOUBLE_EQ(-1.25, value);
    EXPECT_EQ("1899-12-29 06:00:00", DaoFormatDate(value));
    EXPECT_TRUE(DaoParseDate("2001-02-03", value));
    EXPECT_EQ("2001-02-03 00:00:00", DaoFormatDate(value));
    EXPECT_TRUE(DaoParseDate("2001-02-03T04:05:06.250", value));
    for (const char* bad : {"", "2001-02-30 00:00:00", "3/14/1999", "2001-02-03 4:05", "abc"})
        EXPECT_FALSE(DaoParseDate(bad, value)) << bad;
}

} // namespace
