#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

class TableDefTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("site.mdb");
        db.Create(path.c_str());
    }

    TempDir dir;
    std::string path;
    CDaoDatabase db;
};

TEST_F(TableDefTest, AppendedTableKeepsItsColumnsAsTheyWereDefined) {
    CreatePeopleTable(db, true);
    db.Close();
    db.Open(path.c_str());
    CDaoTableDef table(&db);
    table.Open("people");
    EXPECT_EQ(CString("People"), table.GetName());
    ASSERT_EQ(7, table.GetFieldCount());
    struct Expected {
        const char* name;
        short type;
        LONG size;
        LONG attributes;
        BOOL required;
        BOOL allowZeroLength;
        const char* defaultValue;
    };
    const Expected expected[] = {
        {"DbID", dbLong, 4, 33, FALSE, FALSE, "0"},
        {"PersonID", dbLong, 4, 49, FALSE, FALSE, ""},
        {"Name", dbText, 20, 34, FALSE, TRUE, "Nobody"},
        {"Age", dbInteger, 2, 33, FALSE, FALSE, ""},
        {"Flag", dbByte, 1, 33, TRUE, FALSE, "0"},
        {"Born", dbDate, 8, 33, FALSE, FALSE, ""},
        {"Notes", dbMemo, 0, 34, FALSE, TRUE, ""},
    };
    for (int i = 0; i < 7; ++i) {
        CDaoFieldInfo info;
        table.GetFieldInfo(i, info, AFX_DAO_ALL_INFO);
        EXPECT_EQ(CString(expected[i].name), info.m_strName);
        EXPECT_EQ(expected[i].type, info.m_nType) << expected[i].name;
        EXPECT_EQ(expected[i].size, info.m_lSize) << expected[i].name;
        EXPECT_EQ(expected[i].attributes, info.m_lAttributes) << expected[i].name;
        EXPECT_EQ(expected[i].required, info.m_bRequired) << expected[i].name;
        EXPECT_EQ(expected[i].allowZeroLength, info.m_bAllowZeroLength) << expected[i].name;
        EXPECT_EQ(CString(expected[i].defaultValue), info.m_strDefaultValue) << expected[i].name;
        EXPECT_EQ(i, info.m_nOrdinalPosition);
        EXPECT_EQ(dbSortGeneral, info.m_lCollatingOrder);
    }
    ASSERT_EQ(1, table.GetIndexCount());
    CDaoIndexInfo index;
    table.GetIndexInfo(0, index);
    EXPECT_EQ(CString("PK_People"), index.m_strName);
    ASSERT_EQ(2, index.m_nFields);
    EXPECT_EQ(CString("DbID"), index.m_pFieldInfos[0].m_strName);
    EXPECT_EQ(CString("PersonID"), index.m_pFieldInfos[1].m_strName);
    EXPECT_TRUE(index.m_bPrimary && index.m_bUnique && index.m_bRequired);
}

TEST_F(TableDefTest, DefinitionErrorsCarryTheEngineNumbers) {
    CDaoTableDef table(&db);
    table.Create("T");
    EXPECT_EQ(daoErrNoFields, DaoErrorOf([&] { table.Append(); }));
    table.CreateField("A", dbLong, 4);
    EXPECT_EQ(daoErrFieldTwice, DaoErrorOf([&] { table.CreateField("a", dbText, 10); }));
    EXPECT_EQ(daoErrInvalidFieldType, DaoErrorOf([&] { table.CreateField("B", 99, 4); }));
    table.Append();
    CDaoTableDef again(&db);
    again.Create("t");
    again.CreateField("X", dbLong, 4);
    EXPECT_EQ(daoErrTableExists, DaoErrorOf([&] { again.Append(); }));
    CDaoTableDef missing(&db);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { missing.Open("Nothing"); }));
    CDaoIndexFieldInfo field;
    field.m_strName = "Nope";
    CDaoIndexInfo index;
    index.m_strName = "IX";
    index.m_pFieldInfos = &field;
    index.m_nFields = 1;
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { table.CreateIndex(index); }));
    index.m_pFieldInfos = nullptr;
}

TEST_F(TableDefTest, RequiredColumnRefusesNullWith3314) {
    CreatePeopleTable(db, true);
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.SetFieldNull(&set.m_Flag);
    EXPECT_EQ(daoErrRequiredNull, DaoErrorOf([&] { set.Update(); }));
    EXPECT_EQ(dbEditAdd, set.GetEditMode()); // the row stays pending after a refusal
    EXPECT_NE(std::string::npos, DaoErrorTextOf([&] { set.Update(); }).find("'Flag'"));
    set.m_Flag = 1;
    set.Update();
    EXPECT_EQ(daoErrRequiredNull, DaoErrorOf([&] { db.Execute("UPDATE People SET Flag = NULL"); }));
}

TEST_F(TableDefTest, TextLongerThanItsColumnIsRefusedWith3163) {
    CreatePeopleTable(db, true);
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.m_Name = CString('x', 21);
    EXPECT_EQ(daoErrFieldTooSmall, DaoErrorOf([&] { set.Update(); }));
    set.m_Name = CString("\xC3\xA9") + CString('x', 19); // 20 characters, 21 bytes
    set.Update();
}

TEST_F(TableDefTest, DuplicateKeyIsRefusedWith3022NamingTheIndex) {
    CreatePeopleTable(db, false);
    db.Execute("INSERT INTO People (DbID, Name) VALUES (5, 'Ann')");
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.m_DbID = 5;
    std::string text;
    EXPECT_EQ(daoErrDuplicateKey, DaoErrorOf([&] { set.Update(); }));
    text = DaoErrorTextOf([&] { set.Update(); });
    EXPECT_NE(std::string::npos, text.find("PK_People")) << text;
    set.m_PersonID = 1;
    set.Update();
}

TEST_F(TableDefTest, PlainKeyColumnDefaultsToZeroAndASecondZeroIsRefused) {
    CreatePeopleTable(db, false);
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.m_DbID = 9;
    set.Update();
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(0, set.m_PersonID);
    set.AddNew();
    set.m_DbID = 9;
    EXPECT_EQ(daoErrDuplicateKey, DaoErrorOf([&] { set.Update(); }));
}

TEST_F(TableDefTest, AutoNumbersIncreaseAreNeverReusedAndSkipPastGivenNumbers) {
    CreatePeopleTable(db, true);
    auto add = [&](LONG givenId) {
        PeopleSet set(&db);
        set.Open();
        set.AddNew();
        set.m_DbID = 1;
        if (givenId)
            set.m_PersonID = givenId;
        set.Update();
        set.SetBookmark(set.GetLastModifiedBookmark());
        return set.m_PersonID;
    };
    EXPECT_EQ(1, add(0));
    EXPECT_EQ(2, add(0));
    db.Execute("DELETE FROM People WHERE PersonID = 2");
    EXPECT_EQ(3, add(0));
    EXPECT_EQ(10, add(10));                             // a copied row keeps its number ...
    EXPECT_EQ(11, add(0));                              // ... and numbering goes on after it
    db.Execute("INSERT INTO People (DbID) VALUES (2)"); // SQL inserts are numbered too
    PeopleSet set(&db);
    set.Open(dbOpenSnapshot, "SELECT * FROM People WHERE DbID = 2");
    EXPECT_EQ(12, set.m_PersonID);
}

TEST_F(TableDefTest, RequiredIndexRefusesNullWith3058) {
    CreatePeopleTable(db, false);
    EXPECT_EQ(daoErrIndexNull, DaoErrorOf([&] {
                  db.Execute("INSERT INTO People (DbID, PersonID) VALUES (NULL, 1)");
              }));
}

TEST_F(TableDefTest, DeleteTableDefDropsTableAndCatalogEntries) {
    CreatePeopleTable(db, true);
    short before = db.GetTableDefCount();
    db.DeleteTableDef("PEOPLE");
    EXPECT_EQ(before - 1, db.GetTableDefCount());
    CDaoTableDef table(&db);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { table.Open("People"); }));
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { db.DeleteTableDef("People"); }));
    CreatePeopleTable(db, true); // made anew, numbering starts again
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.Update();
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(1, set.m_PersonID);
}

TEST_F(TableDefTest, TablesListIncludeTheCatalogAsSystemTables) {
    CreatePeopleTable(db, true);
    bool sawPeople = false;
    int system = 0;
    for (short i = 0; i < db.GetTableDefCount(); ++i) {
        CDaoTableDefInfo info;
        db.GetTableDefInfo(i, info);
        if (info.m_strName == "People") {
            sawPeople = true;
            EXPECT_EQ(0, info.m_lAttributes);
        } else {
            EXPECT_EQ(CString("MSys"), info.m_strName.Left(4));
            EXPECT_EQ(dbSystemObject, info.m_lAttributes);
            ++system;
        }
    }
    EXPECT_TRUE(sawPeople);
    EXPECT_EQ(5, system);
    EXPECT_EQ(daoErrInvalidOperation, DaoErrorOf([&] { db.DeleteTableDef("MSysMqTables"); }));
}

TEST_F(TableDefTest, FileReadsPlainlyInOtherSqliteTools) {
    CreatePeopleTable(db, true);
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.m_Name = "Ann";
    set.m_Born = COleDateTime(1999, 3, 14, 10, 20, 0);
    set.Update();
    set.Close();
    db.Close();
    sqlite3* raw = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr));
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_prepare_v2(raw,
                                            "SELECT Name, Born, typeof(PersonID) FROM People "
                                            "WHERE Name = 'ANN'",
                                            -1, &statement, nullptr));
    ASSERT_EQ(SQLITE_ROW, sqlite3_step(statement));
    EXPECT_STREQ("Ann", reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    EXPECT_STREQ("1999-03-14 10:20:00",
                 reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    EXPECT_STREQ("integer", reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)));
    sqlite3_finalize(statement);
    sqlite3_close(raw);
}

} // namespace
