// Finding a row by field values: bound as parameters, compared as the columns compare, first
// in the recordset's own order.

#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using FieldValues = std::vector<std::pair<CString, COleVariant>>;

COleVariant Long(LONG value) {
    return COleVariant(value);
}

class RecordsetFindTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("people.mdb");
        CreatePeopleDatabase(path, true);
        db.Open(path.c_str());
        db.Execute("INSERT INTO People (DbID, Name, Age) VALUES (7, 'Ann', 30)");
        db.Execute("INSERT INTO People (DbID, Name, Age) VALUES (7, 'Bob', 41)");
        db.Execute("INSERT INTO People (DbID, Name, Age) VALUES (8, 'Cy', 30)");
    }

    TempDir dir;
    std::string path;
    CDaoDatabase db;
};

TEST_F(RecordsetFindTest, FindsTheRowOfAFullKeyAndMakesItCurrent) {
    PeopleSet set(&db);
    set.Open(dbOpenDynaset);
    EXPECT_TRUE(set.FindFirstEqual({{"DbID", Long(7)}, {"PersonID", Long(2)}}));
    EXPECT_EQ(set.m_Name, "Bob");
    // A text value of a numeric field is converted to the field's type.
    EXPECT_TRUE(set.FindFirstEqual({{"DbID", COleVariant("8")}, {"PersonID", Long(3)}}));
    EXPECT_EQ(set.m_Name, "Cy");
}

TEST_F(RecordsetFindTest, TakesTheFirstMatchInTheRecordsetsOrder) {
    PeopleSet set(&db);
    set.Open(dbOpenDynaset, "SELECT * FROM People ORDER BY Name DESC");
    EXPECT_TRUE(set.FindFirstEqual({{"Age", COleVariant(static_cast<short>(30))}}));
    EXPECT_EQ(set.m_Name, "Cy");
    set.Delete();
    EXPECT_TRUE(set.FindFirstEqual({{"Age", Long(30)}}));
    EXPECT_EQ(set.m_Name, "Ann"); // the row deleted through the set is passed over
}

TEST_F(RecordsetFindTest, TextComparesAsItsColumnDoes) {
    PeopleSet set(&db);
    set.Open(dbOpenDynaset);
    EXPECT_TRUE(set.FindFirstEqual({{"[Name]", COleVariant("bob")}}));
    EXPECT_EQ(set.m_PersonID, 2);
}

TEST_F(RecordsetFindTest, NoMatchLeavesThePositionAsItWas) {
    PeopleSet set(&db);
    set.Open(dbOpenDynaset);
    set.MoveLast();
    const FieldValues misses[] = {
        {{"Name", COleVariant("Bob' OR '1'='1")}},
        {{"DbID", COleVariant("7 OR 1=1")}, {"PersonID", Long(1)}},
        {{"DbID", Long(7)}, {"PersonID", Long(9)}},
        {{"Born", COleVariant()}},
    };
    for (const FieldValues& values : misses) {
        EXPECT_FALSE(set.FindFirstEqual(values));
        EXPECT_EQ(set.m_Name, "Cy");
    }
}

TEST_F(RecordsetFindTest, RefusesUnknownFieldsAndSnapshots) {
    PeopleSet set(&db);
    set.Open(dbOpenDynaset);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { set.FindFirstEqual({{"Nope", Long(1)}}); }));
    PeopleSet snapshot(&db);
    snapshot.Open(dbOpenSnapshot);
    EXPECT_EQ(daoErrInvalidOperation, DaoErrorOf([&] {
                  snapshot.FindFirstEqual({{"DbID", Long(7)}});
              }));
}

} // namespace
