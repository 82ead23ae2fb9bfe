#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("site.mdb");
        CreatePeopleDatabase(path, true);
        db.Open(path.c_str());
    }

    // Adds a row through a fresh recordset and returns its PersonID.
    LONG AddPerson(const char* name, short age) {
        PeopleSet set(&db);
        set.Open();
        set.AddNew();
        set.m_DbID = 7;
        set.m_Name = name;
        set.m_Age = age;
        set.Update();
        set.SetBookmark(set.GetLastModifiedBookmark());
        return set.m_PersonID;
    }

    TempDir dir;
    std::string path;
    CDaoDatabase db;
};

TEST_F(RecordsetTest, EmptyResultIsAtBothEndsAndMovesRaiseNoCurrentRecord) {
    PeopleSet set(&db);
    set.Open();
    EXPECT_TRUE(set.IsBOF());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(0, set.GetRecordCount());
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.MoveFirst(); }));
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.MoveNext(); }));
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.Edit(); }));
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.GetFieldValue(0); }));
}

TEST_F(RecordsetTest, AddNewWritesTheChangedMembersAndDefaultsTheRest) {
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    EXPECT_EQ(dbEditAdd, set.GetEditMode());
    set.m_DbID = 7;
    set.m_Age = 0; // a zero set on purpose is written, not taken for "unset"
    set.Update();
    EXPECT_EQ(dbEditNone, set.GetEditMode());
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(7, set.m_DbID);
    EXPECT_EQ(1, set.m_PersonID);
    EXPECT_EQ(CString("Nobody"), set.m_Name);
    EXPECT_EQ(0, set.m_Age);
    EXPECT_FALSE(set.IsFieldNull(&set.m_Age));
    EXPECT_TRUE(set.IsFieldNull(&set.m_Born));
    EXPECT_EQ(COleDateTime::null, set.m_Born.GetStatus());
    EXPECT_TRUE(set.IsFieldNull(&set.m_Notes));
}

TEST_F(RecordsetTest, EditWritesAChangedMemberWithoutSetFieldDirty) {
    LONG id = AddPerson("Ann", 30);
    PeopleSet set(&db);
    set.Open();
    set.Edit();
    set.m_Age = 31;
    set.m_Born = COleDateTime(1999, 3, 14, 10, 20, 0);
    set.Update();
    PeopleSet check(&db);
    check.Open(dbOpenSnapshot, "SELECT * FROM People");
    EXPECT_EQ(id, check.m_PersonID);
    EXPECT_EQ(31, check.m_Age);
    EXPECT_EQ(CString("Ann"), check.m_Name);
    EXPECT_EQ(COleDateTime(1999, 3, 14, 10, 20, 0), check.m_Born);
}

TEST_F(RecordsetTest, FieldMarkedCleanIsNotWritten) {
    AddPerson("Ann", 30);
    PeopleSet set(&db);
    set.Open();
    set.Edit();
    set.m_Age = 99;
    set.m_Name = "Bea";
    set.SetFieldDirty(nullptr, TRUE);
    set.SetFieldDirty(&set.m_Age, FALSE);
    set.Update();
    set.Requery();
    EXPECT_EQ(30, set.m_Age);
    EXPECT_EQ(CString("Bea"), set.m_Name);
}

TEST_F(RecordsetTest, CancelUpdateRestoresTheMembers) {
    AddPerson("Ann", 30);
    PeopleSet set(&db);
    set.Open();
    set.Edit();
    set.m_Age = 50;
    set.CancelUpdate();
    EXPECT_EQ(30, set.m_Age);
    EXPECT_EQ(dbEditNone, set.GetEditMode());
    set.AddNew();
    set.CancelUpdate();
    EXPECT_EQ(CString("Ann"), set.m_Name);
    EXPECT_EQ(daoErrUpdateWithoutEdit, DaoErrorOf([&] { set.Update(); }));
}

TEST_F(RecordsetTest, DeleteRemovesTheRowAndMovesSkipIt) {
    AddPerson("Ann", 1);
    AddPerson("Bea", 2);
    AddPerson("Cid", 3);
    PeopleSet set(&db);
    set.Open();
    set.MoveNext();
    set.Delete();
    EXPECT_TRUE(set.IsDeleted());
    EXPECT_EQ(daoErrRecordDeleted, DaoErrorOf([&] { set.Edit(); }));
    set.MoveNext();
    EXPECT_EQ(CString("Cid"), set.m_Name);
    set.MovePrev();
    EXPECT_EQ(CString("Ann"), set.m_Name);
    EXPECT_EQ(2, set.GetRecordCount());
    PeopleSet check(&db);
    check.Open(dbOpenSnapshot);
    EXPECT_EQ(2, check.GetRecordCount());
}

// Walking a set and deleting as it goes ends at the end, also when the last live row goes; only
// then does a further move fail.
TEST_F(RecordsetTest, DeletingEveryRowWhileWalkingEndsAtTheEnd) {
    AddPerson("Ann", 1);
    AddPerson("Bea", 2);
    PeopleSet set(&db);
    set.Open();
    int deleted = 0;
    EXPECT_EQ(0, DaoErrorOf([&] {
                  for (; !set.IsEOF(); set.MoveNext()) {
                      set.Delete();
                      ++deleted;
                  }
              }));
    EXPECT_EQ(2, deleted);
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.MoveNext(); }));
    PeopleSet check(&db);
    check.Open(dbOpenSnapshot);
    EXPECT_EQ(0, check.GetRecordCount());
}

TEST_F(RecordsetTest, MovesWalkTheRowsAndStopAtBothEnds) {
    AddPerson("Ann", 1);
    AddPerson("Bea", 2);
    PeopleSet set(&db);
    set.Open(dbOpenDynaset, "SELECT * FROM People ORDER BY Age DESC");
    EXPECT_EQ(CString("Bea"), set.m_Name);
    set.MoveNext();
    EXPECT_EQ(CString("Ann"), set.m_Name);
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
    EXPECT_FALSE(set.IsBOF());
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.MoveNext(); }));
    set.MoveLast();
    EXPECT_EQ(CString("Ann"), set.m_Name);
    set.MoveFirst();
    set.MovePrev();
    EXPECT_TRUE(set.IsBOF());
    set.Move(2);
    EXPECT_EQ(CString("Ann"), set.m_Name);
    set.Move(-1);
    EXPECT_EQ(CString("Bea"), set.m_Name);
}

TEST_F(RecordsetTest, BookmarksReturnToTheirRow) {
    AddPerson("Ann", 1);
    AddPerson("Bea", 2);
    PeopleSet set(&db);
    set.Open();
    COleVariant first = set.GetBookmark();
    set.MoveNext();
    EXPECT_EQ(CString("Bea"), set.m_Name);
    set.SetBookmark(first);
    EXPECT_EQ(CString("Ann"), set.m_Name);
    EXPECT_EQ(daoErrBadBookmark, DaoErrorOf([&] { set.SetBookmark(COleVariant(LONG(999))); }));
    EXPECT_EQ(daoErrNoCurrentRecord, DaoErrorOf([&] { set.GetLastModifiedBookmark(); }));
}

TEST_F(RecordsetTest, FieldsByIndexAndNameAndUnknownNameIs3265) {
    AddPerson("Ann", 30);
    PeopleSet set(&db);
    set.Open();
    EXPECT_EQ(7, set.GetFieldCount());
    EXPECT_EQ(VT_BSTR, set.GetFieldValue(2).vt);
    EXPECT_EQ(CString("Ann"), set.GetFieldValue("Name").bstrVal);
    EXPECT_EQ(CString("Ann"), set.GetFieldValue("[name]").bstrVal);
    EXPECT_EQ(VT_I2, set.GetFieldValue("Age").vt);
    EXPECT_EQ(30, set.GetFieldValue("Age").iVal);
    EXPECT_EQ(VT_UI1, set.GetFieldValue("Flag").vt);
    EXPECT_EQ(VT_NULL, set.GetFieldValue("Born").vt);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { set.GetFieldValue("Nmae"); }));
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { set.GetFieldValue(7); }));
    CDaoFieldInfo info;
    set.GetFieldInfo("Name", info);
    EXPECT_EQ(dbText, info.m_nType);
    EXPECT_EQ(20, info.m_lSize);
    EXPECT_EQ(2, info.m_nOrdinalPosition);
}

TEST_F(RecordsetTest, UnboundRecordsetReadsAndWritesFieldsByName) {
    AddPerson("Ann", 30);
    CDaoTableDef table(&db);
    table.Open("People");
    CDaoRecordset set;
    set.Open(&table, dbOpenDynaset, dbConsistent);
    EXPECT_EQ(7, set.GetFieldCount());
    set.Edit();
    set.SetFieldValue("Age", COleVariant(LONG(44)));
    set.SetFieldValue(2, COleVariant("Zoe"));
    set.SetFieldValueNull("Notes");
    set.Update();
    set.Requery();
    EXPECT_EQ(44, set.GetFieldValue("Age").iVal);
    EXPECT_EQ(CString("Zoe"), set.GetFieldValue("Name").bstrVal);
    EXPECT_EQ(daoErrUpdateWithoutEdit,
              DaoErrorOf([&] { set.SetFieldValue("Age", COleVariant(LONG(1))); }));
    set.AddNew();
    set.SetFieldValue("DbID", COleVariant(LONG(3)));
    set.SetFieldValue("Born", COleVariant(COleDateTime(2001, 2, 3, 4, 5, 6)));
    set.Update();
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(3, set.GetFieldValue("DbID").lVal);
    COleVariant born = set.GetFieldValue("Born");
    ASSERT_EQ(VT_DATE, born.vt);
    EXPECT_EQ(COleDateTime(2001, 2, 3, 4, 5, 6), COleDateTime(born.date));
}

TEST_F(RecordsetTest, MemoAndTextAreNotCutToThePreallocation) {
    PeopleSet set(&db);
    set.Open();
    set.AddNew();
    set.m_Notes = CString('x', 70000);
    set.m_Name = CString('n', 20);
    set.Update();
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(70000, set.m_Notes.GetLength());
    EXPECT_EQ(20, set.m_Name.GetLength());
}

TEST_F(RecordsetTest, SnapshotIsReadOnly) {
    AddPerson("Ann", 30);
    PeopleSet set(&db);
    set.Open(dbOpenSnapshot);
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { set.Edit(); }));
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { set.AddNew(); }));
    PeopleSet readOnly(&db);
    readOnly.Open(dbOpenDynaset, nullptr, dbReadOnly);
    EXPECT_EQ(daoErrReadOnly, DaoErrorOf([&] { readOnly.Delete(); }));
}

TEST_F(RecordsetTest, TableNameAloneOpensTheTable) {
    AddPerson("Ann", 30);
    for (const char* text : {"People", "[People]", "people;"}) {
        PeopleSet set(&db);
        set.Open(dbOpenDynaset, text);
        EXPECT_TRUE(set.CanUpdate()) << text;
        EXPECT_EQ(CString("Ann"), set.m_Name) << text;
    }
    PeopleSet set(&db);
    EXPECT_EQ(daoErrNoSuchTable, DaoErrorOf([&] { set.Open(dbOpenDynaset, "Persons"); }));
    EXPECT_EQ(daoErrInvalidOperation,
              DaoErrorOf([&] { set.Open(dbOpenTable, "SELECT * FROM People WHERE Age > 3"); }));
}

TEST_F(RecordsetTest, BoundColumnMissingFromTheQueryIs3265) {
    PeopleSet set(&db);
    EXPECT_EQ(daoErrItemNotFound,
              DaoErrorOf([&] { set.Open(dbOpenDynaset, "SELECT DbID, Name FROM People"); }));
    EXPECT_FALSE(set.IsOpen());
}

TEST_F(RecordsetTest, DynasetSeesChangesOfAnotherConnectionOnMove) {
    AddPerson("Ann", 1);
    AddPerson("Bea", 2);
    PeopleSet set(&db);
    set.Open();
    CDaoDatabase other;
    other.Open(path.c_str());
    other.Execute("UPDATE People SET Age = 20 WHERE Name = 'Bea'");
    other.Execute("DELETE FROM People WHERE Name = 'Ann'");
    set.MoveNext();
    EXPECT_EQ(20, set.m_Age);
    set.MoveFirst();
    EXPECT_TRUE(set.IsDeleted());
    EXPECT_EQ(daoErrRecordDeleted, DaoErrorOf([&] { set.Edit(); }));
}

TEST_F(RecordsetTest, UpdateOfARowDeletedElsewhereIs3167) {
    AddPerson("Ann", 1);
    PeopleSet set(&db);
    set.Open();
    set.Edit();
    CDaoDatabase other;
    other.Open(path.c_str());
    other.Execute("DELETE FROM People");
    set.m_Age = 5;
    EXPECT_EQ(daoErrRecordDeleted, DaoErrorOf([&] { set.Update(); }));
}

TEST_F(RecordsetTest, AutoNumberColumnCannotBeChangedByEdit) {
    AddPerson("Ann", 1);
    PeopleSet set(&db);
    set.Open();
    set.Edit();
    set.SetFieldDirty(nullptr, TRUE); // unchanged number written back: no change, no error
    set.Update();
    set.Edit();
    set.m_PersonID = 50;
    EXPECT_EQ(daoErrFieldNotUpdatable, DaoErrorOf([&] { set.Update(); }));
}

TEST_F(RecordsetTest, ClosingTheDatabaseClosesItsRecordsets) {
    AddPerson("Ann", 1);
    PeopleSet set(&db);
    set.Open();
    db.Close();
    EXPECT_FALSE(set.IsOpen());
    EXPECT_EQ(CString("Ann"), set.m_Name); // the members keep the last row
}

TEST_F(RecordsetTest, TextCompareAndSortIgnoreLetterCase) {
    AddPerson("bea", 1);
    AddPerson("Ann", 2);
    AddPerson("Cid", 3);
    PeopleSet set(&db);
    set.Open(dbOpenDynaset, "SELECT * FROM People ORDER BY Name");
    std::vector<std::string> names;
    while (!set.IsEOF()) {
        names.push_back(set.m_Name.str());
        set.MoveNext();
    }
    EXPECT_EQ((std::vector<std::string>{"Ann", "bea", "Cid"}), names);
    PeopleSet match(&db);
    match.Open(dbOpenDynaset, "SELECT * FROM People WHERE Name = 'BEA'");
    EXPECT_EQ(1, match.GetRecordCount());
}

TEST_F(RecordsetTest, RowsCopiedFieldByFieldKeepTheirValuesAndNumbers) {
    AddPerson("Ann", 30);
    AddPerson("Bea", 40);
    db.Execute("UPDATE People SET Born = '1999-03-14 10:20:00', Notes = 'long text'");
    std::string copyPath = dir.file("copy.mdb");
    CreatePeopleDatabase(copyPath, true);
    CDaoDatabase target;
    target.Open(copyPath.c_str(), TRUE);
    CDaoTableDef sourceTable(&db);
    sourceTable.Open("People");
    CDaoTableDef targetTable(&target);
    targetTable.Open("People");
    CDaoRecordset source;
    source.Open(&sourceTable, dbOpenTable, dbReadOnly);
    CDaoRecordset destination;
    destination.Open(&targetTable, dbOpenTable, dbConsistent);
    for (; !source.IsEOF(); source.MoveNext()) {
        destination.AddNew();
        for (short i = 0; i < source.GetFieldCount(); ++i) {
            CDaoFieldInfo info;
            source.GetFieldInfo(i, info);
            destination.SetFieldValue(info.m_strName, source.GetFieldValue(i));
        }
        destination.Update();
    }
    PeopleSet copied(&target);
    copied.Open(dbOpenSnapshot, "SELECT * FROM People ORDER BY PersonID");
    ASSERT_EQ(2, copied.GetRecordCount());
    copied.MoveLast();
    EXPECT_EQ(2, copied.m_PersonID);
    EXPECT_EQ(CString("Bea"), copied.m_Name);
    EXPECT_EQ(COleDateTime(1999, 3, 14, 10, 20, 0), copied.m_Born);
    EXPECT_EQ(CString("long text"), copied.m_Notes);
    EXPECT_FALSE(copied.IsFieldNull(&copied.m_Flag));
    PeopleSet more(&target);
    more.Open();
    more.AddNew();
    more.Update();
    more.SetBookmark(more.GetLastModifiedBookmark());
    EXPECT_EQ(3, more.m_PersonID);
}

TEST_F(RecordsetTest, SnapshotCountsByMovingLastAndReturnsByBookmark) {
    AddPerson("Ann", 1);
    AddPerson("Bea", 2);
    AddPerson("Cid", 3);
    CDaoQueryDef query(&db);
    query.Create(nullptr, "SELECT Name FROM People WHERE Age >= [argAge] ORDER BY Age");
    query.SetParamValue("argAge", COleVariant(LONG(2)));
    CDaoRecordset set;
    set.Open(&query, dbOpenSnapshot);
    COleVariant start = set.GetBookmark();
    set.MoveLast();
    EXPECT_EQ(2, set.GetRecordCount());
    set.SetBookmark(start);
    set.MoveFirst();
    EXPECT_EQ(CString("Bea"), set.GetFieldValue(0).bstrVal);
    CDaoFieldInfo info;
    set.GetFieldInfo(0, info, AFX_DAO_ALL_INFO);
    EXPECT_EQ(CString("Name"), info.m_strName);
    EXPECT_EQ(dbText, info.m_nType);
}

} // namespace
