// Data databases made by other tools: a plain SQLite file opens with its tables, columns and
// keys read from SQLite's own schema, opening it writes nothing, its rows can be changed and
// its tables cannot.

#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Makes a file as another program would, with SQLite alone.
void MakePlainFile(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
    char* error = nullptr;
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, sql, nullptr, nullptr, &error)) << error;
    sqlite3_free(error);
    sqlite3_close(db);
}

COleVariant Long(LONG value) {
    return COleVariant(value);
}

// The first column of the first row of a query, run with SQLite alone.
std::string QueryText(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    std::string text;
    if (sqlite3_step(statement) == SQLITE_ROW)
        text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return text;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FolderFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr const char* kShop =
    "CREATE TABLE Items (ItemID INTEGER PRIMARY KEY, Name VARCHAR(40) NOT NULL, "
    "Price NUMERIC, Added DATETIME, Notes TEXT, Flag BOOLEAN);"
    "CREATE TABLE OrderLines (OrderID INT NOT NULL, Line INT NOT NULL, Qty SMALLINT, "
    "PRIMARY KEY (OrderID, Line));"
    "CREATE UNIQUE INDEX ItemsByName ON Items (Name DESC);"
    "CREATE VIEW Cheap AS SELECT * FROM Items WHERE Price < 5;"
    "INSERT INTO Items (Name, Price, Added) VALUES ('Hammer', 12.5, '1998-01-05 14:03:00');"
    "INSERT INTO Items (Name, Price) VALUES ('Nail', 0.1);";

class PlainFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("shop.db");
        MakePlainFile(path, kShop);
    }

    TempDir dir;
    std::string path;
};

TEST_F(PlainFileTest, TablesColumnsAndKeysComeFromSqlitesSchema) {
    CDaoDatabase db;
    db.OpenDataFile(path.c_str());
    EXPECT_TRUE(db.IsPlainFile());
    ASSERT_EQ(2, db.GetTableDefCount());
    CDaoTableDefInfo info;
    db.GetTableDefInfo(0, info);
    EXPECT_EQ(info.m_strName, "Items");

    CDaoTableDef items(&db);
    items.Open("Items");
    struct Column {
        const char* name;
        short type;
        LONG size;
        bool counter;
        bool required;
    };
    const Column columns[] = {
        {"ItemID", dbLong, 0, true, false},   {"Name", dbText, 40, false, true},
        {"Price", dbDouble, 0, false, false}, {"Added", dbDate, 0, false, false},
        {"Notes", dbMemo, 0, false, false},   {"Flag", dbBoolean, 0, false, false}};
    ASSERT_EQ(6, items.GetFieldCount());
    for (int i = 0; i < 6; i++) {
        CDaoFieldInfo field;
        items.GetFieldInfo(i, field, AFX_DAO_ALL_INFO);
        EXPECT_EQ(field.m_strName, columns[i].name);
        EXPECT_EQ(field.m_nType, columns[i].type) << columns[i].name;
        EXPECT_EQ(field.m_lSize, columns[i].size) << columns[i].name;
        EXPECT_EQ((field.m_lAttributes & dbAutoIncrField) != 0, columns[i].counter);
        EXPECT_EQ(field.m_bRequired != FALSE, columns[i].required) << columns[i].name;
    }
    ASSERT_EQ(2, items.GetIndexCount());
    CDaoIndexInfo primary;
    items.GetIndexInfo(0, primary, AFX_DAO_ALL_INFO);
    EXPECT_TRUE(primary.m_bPrimary);
    ASSERT_EQ(1, primary.m_nFields);
    EXPECT_EQ(primary.m_pFieldInfos[0].m_strName, "ItemID");
    CDaoIndexInfo byName;
    items.GetIndexInfo(1, byName, AFX_DAO_ALL_INFO);
    EXPECT_TRUE(byName.m_bUnique);
    EXPECT_FALSE(byName.m_bPrimary);
    EXPECT_TRUE(byName.m_pFieldInfos[0].m_bDescending);

    CDaoTableDef lines(&db);
    lines.Open("OrderLines");
    CDaoIndexInfo key;
    lines.GetIndexInfo(0, key, AFX_DAO_ALL_INFO);
    ASSERT_EQ(2, key.m_nFields);
    EXPECT_EQ(key.m_pFieldInfos[0].m_strName, "OrderID");
    EXPECT_EQ(key.m_pFieldInfos[1].m_strName, "Line");
    CDaoFieldInfo order;
    lines.GetFieldInfo("OrderID", order);
    EXPECT_EQ(order.m_lAttributes & dbAutoIncrField, 0);
}

TEST_F(PlainFileTest, OpeningAndReadingWriteNothingToTheFileOrBesideIt) {
    std::string before = Contents(path);
    auto stamp = std::filesystem::last_write_time(path);
    std::vector<std::string> files = FolderFiles(dir.path());
    {
        CDaoDatabase db;
        db.OpenDataFile(path.c_str());
        CDaoRecordset set(&db);
        set.Open(dbOpenDynaset, "SELECT * FROM Items ORDER BY Name");
        EXPECT_EQ(set.GetFieldValue("Name").bstrVal, "Hammer");
        COleVariant added = set.GetFieldValue("Added");
        ASSERT_EQ(added.vt, VT_DATE);
        EXPECT_EQ(COleDateTime(added.date).Format("%d/%m/%Y %H:%M"), "05/01/1998 14:03");
        set.Close();
        db.Close();
    }
    EXPECT_EQ(Contents(path), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), stamp);
    EXPECT_EQ(FolderFiles(dir.path()), files);
}

TEST_F(PlainFileTest, RowsChangeButTablesDoNot) {
    CDaoDatabase db;
    db.OpenDataFile(path.c_str());
    CDaoTableDef items(&db);
    items.Open("Items");
    CDaoRecordset set(&db);
    set.Open(&items, dbOpenDynaset, dbConsistent);
    set.AddNew();
    set.SetFieldValue("Name", COleVariant("Saw"));
    set.Update();
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(set.GetFieldValue("ItemID").lVal, 3); // numbered by SQLite
    EXPECT_TRUE(set.FindFirstEqual({{"ItemID", Long(1)}}));
    set.Edit();
    set.SetFieldValue("Price", COleVariant(13.0));
    set.Update();
    set.Close();

    CDaoTableDef table(&db);
    table.Create("Extra");
    table.CreateField("A", dbLong, 4);
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { table.Append(); }));
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { db.DeleteTableDef("Items"); }));
    db.Close();

    EXPECT_EQ(QueryText(path, "SELECT group_concat(Name || '=' || ifnull(Price, '-'), ',') "
                              "FROM (SELECT * FROM Items ORDER BY ItemID)"),
              "Hammer=13,Nail=0.1,Saw=-");
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM sqlite_master WHERE name LIKE 'MSys%'"), "0");
}

TEST_F(PlainFileTest, ReadOnlyOpenRefusesChanges) {
    CDaoDatabase db;
    db.OpenDataFile(path.c_str(), TRUE);
    CDaoRecordset set(&db);
    set.Open(dbOpenDynaset, "Items");
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { set.AddNew(); }));
}

TEST_F(PlainFileTest, OurOwnFilesOpenAsOursAndSiteOpensStayStrict) {
    std::string ours = dir.file("people.mdb");
    CreatePeopleDatabase(ours, true);
    CDaoDatabase db;
    db.OpenDataFile(ours.c_str());
    EXPECT_FALSE(db.IsPlainFile());
    CDaoTableDefInfo info;
    db.GetTableDefInfo("People", info);
    EXPECT_EQ(info.m_strName, "People");
    db.Close();
    EXPECT_EQ(daoErrNotADatabase, DaoErrorOf([&] { db.Open(path.c_str()); }));
    EXPECT_EQ(daoErrFileNotFound,
              DaoErrorOf([&] { db.OpenDataFile(dir.file("missing.db").c_str()); }));
}

} // namespace
