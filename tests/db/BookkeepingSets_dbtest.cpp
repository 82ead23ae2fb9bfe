// The recordsets of the bookkeeping tables: authors, dependents, page impressions, installed
// components, the version row read for an update, and the recordset over any table by name.

#include "db/CAuthorsSet.h"
#include "db/CComponentsInstalledSet.h"
#include "db/CDBUpdateSet.h"
#include "db/CDependentSet.h"
#include "db/CGenericRecordSet.h"
#include "db/CPageImpressionsSet.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/DaoErrors.h"
#include "tests/db/BoundMembers.h"
#include "tests/db/SiteDatabaseFixture.h"

namespace {

class BookkeepingSetTest : public SiteDatabaseTest {
protected:
    // A saved author of this database; its AuthorID.
    LONG AddAuthor(const char* name, BYTE deleted = 0) {
        CAuthorsSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(1), 1);
        set.m_AuthorName = name;
        set.m_Active = 1;
        set.m_Deleted = deleted;
        EXPECT_EQ(set.SaveRecord(0), 1);
        return set.m_AuthorID;
    }

    // The names the author look-up by name finds.
    std::vector<std::string> AuthorsNamed(const char* name) {
        CAuthorsSet set(&Db());
        EXPECT_EQ(set.OpenByName(name, 0), 1);
        std::vector<std::string> names;
        for (; !set.IsEOF(); set.MoveNext())
            names.push_back(set.m_AuthorName.str());
        return names;
    }

    void AddComponent(const char* source, const char* title) {
        CComponentsInstalledSet set(&Db());
        ASSERT_EQ(set.AddNewRecord(0), 1);
        set.m_ComponentSrc = source;
        set.m_ComponentTitle = title;
        set.m_VersionNumber = 3;
        ASSERT_EQ(set.SaveRecord(0), 1);
    }
};

TEST_F(BookkeepingSetTest, BindingsMatchTheirTables) {
    CAuthorsSet authors(&Db());
    EXPECT_EQ(BindingDrift(authors, Db(), "Authors"), std::vector<std::string>());
    CPageImpressionsSet impressions(&Db());
    EXPECT_EQ(BindingDrift(impressions, Db(), "MQ_PageImpressions"), std::vector<std::string>());
    CComponentsInstalledSet components(&Db());
    EXPECT_EQ(BindingDrift(components, Db(), "ComponentsInstalled"), std::vector<std::string>());
    CDBUpdateSet version(&Db());
    EXPECT_EQ(BindingDrift(version, Db(), "Marquill"),
              std::vector<std::string>{"DbId: the column is DbID"});
    // The type columns hold object type codes (0 to 24) and are read as bytes on purpose.
    CDependentSet dependents(&Db());
    EXPECT_EQ(BindingDrift(dependents, Db(), "Dependents"),
              (std::vector<std::string>{"ObjTypeID: bound as type 2, column type 4",
                                        "UseTypeID: bound as type 2, column type 4"}));
}

TEST_F(BookkeepingSetTest, NewAuthorIsNumberedCarriesItsDbIdAndIsLeftInEditMode) {
    CAuthorsSet set(&Db());
    ASSERT_EQ(set.AddNewRecord(1), 1);
    EXPECT_GT(set.m_AuthorID, 0);
    EXPECT_EQ(set.m_DbID, kDbId);
    EXPECT_EQ(set.GetEditMode(), dbEditInProgress);
    // Written at once, with its DbID from that first write.
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE DbID = 5 AND AuthorID = " +
                    std::to_string(set.m_AuthorID)),
              1);
    set.m_AuthorName = "Ann";
    ASSERT_EQ(set.SaveRecord(1), 1);
    EXPECT_EQ(set.GetEditMode(), dbEditInProgress);
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE AuthorName = 'Ann'"), 1);

    QZKeyCombo& key = set.GetKey();
    EXPECT_EQ(key.m_DbID, kDbId);
    EXPECT_EQ(key.m_KeyID, set.m_AuthorID);
    EXPECT_EQ(key.m_ObjectType, OBJ_PAGE);
    EXPECT_EQ(&set.GetKey(), &key);
}

TEST_F(BookkeepingSetTest, AuthorByKeyAnswersOneFoundOrNotAndAnEditOfNothingIsShown) {
    LONG id = AddAuthor("Ann");
    CAuthorsSet set(&Db());
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), "MQ_GetAuthorByDbID_AuthorID", 0), 1);
    EXPECT_EQ(set.m_AuthorName, CString("Ann"));
    ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id + 1), "MQ_GetAuthorByDbID_AuthorID", 0), 1);
    EXPECT_TRUE(set.IsEOF());

    MessageBoxRecorder boxes;
    std::string error = EngineErrorText(
        [&] { set.OpenByKey(QZKeyCombo(kDbId, id + 1), "MQ_GetAuthorByDbID_AuthorID", 1); });
    EXPECT_NE(error, "");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{error});
}

TEST_F(BookkeepingSetTest, AuthorByNameTakesTheNameAsAValueNotAsText) {
    AddAuthor("O'Brien");
    AddAuthor("Ann");
    EXPECT_EQ(AuthorsNamed("O'Brien"), std::vector<std::string>{"O'Brien"});
    EXPECT_EQ(AuthorsNamed("x' OR 'a'='a"), std::vector<std::string>());
    EXPECT_EQ(AuthorsNamed("Nobody"), std::vector<std::string>());
}

TEST_F(BookkeepingSetTest, DependentRowsAreAddedAsGivenAndDuplicatesKept) {
    CDependentSet set(&Db());
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(set.AddNewRecord(1), 1);
        set.m_ObjDbID = kDbId;
        set.m_ObjKeyID = 12;
        set.m_ObjTypeID = OBJ_PAGE;
        set.m_UseDbID = kDbId;
        set.m_UseKeyID = 40;
        set.m_UseTypeID = OBJ_MACRO;
        ASSERT_EQ(set.SaveRecord(0), 1);
    }
    EXPECT_EQ(Count("SELECT * FROM Dependents WHERE ObjDbID = 5 AND ObjKeyID = 12 AND "
                    "ObjTypeID = 2 AND UseDbID = 5 AND UseKeyID = 40 AND UseTypeID = 3"),
              2);
    EXPECT_EQ(set.SaveRecord(0), 1); // nothing pending: nothing written
    EXPECT_EQ(Count("SELECT * FROM Dependents"), 2);

    CDaoQueryDef query(&Db());
    query.Create("MQ_TestUsesOfPage", "PARAMETERS argDbID Long, argKeyID Long; SELECT * FROM "
                                      "Dependents WHERE ObjDbID = [argDbID] AND ObjKeyID = "
                                      "[argKeyID];");
    query.Append();
    CDependentSet uses(&Db());
    ASSERT_EQ(uses.OpenByKey(QZKeyCombo(kDbId, 12), "MQ_TestUsesOfPage", 0), 1);
    EXPECT_EQ(uses.m_UseKeyID, 40);
    EXPECT_EQ(uses.m_UseTypeID, OBJ_MACRO);
}

TEST_F(BookkeepingSetTest, DependentRowThatCannotBeStartedIsShownAndReportedAsFailed) {
    CDaoDatabase readOnly;
    readOnly.Open(m_path.c_str(), FALSE, TRUE);
    CDependentSet set(&readOnly);
    MessageBoxRecorder boxes;
    EXPECT_EQ(set.AddNewRecord(1), 0);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Count("SELECT * FROM Dependents"), 0);
}

TEST_F(BookkeepingSetTest, EachPlacedAdAddsOneImpressionRow) {
    for (LONG ad : {31, 32}) {
        CPageImpressionsSet set(&Db());
        ASSERT_EQ(set.AddNewRecord(), 1);
        set.m_AdSpaceDbID = kDbId;
        set.m_AdSpaceID = 9;
        set.m_AdDbID = kDbId;
        set.m_AdID = ad;
        set.m_DocDbID = kDbId;
        set.m_DocID = 12;
        set.m_WhenPosted = COleDateTime(2024, 5, 6, 7, 8, ad - 30);
        ASSERT_EQ(set.SaveRecord(0), 1);
    }
    EXPECT_EQ(Count("SELECT * FROM MQ_PageImpressions WHERE AdSpaceID = 9 AND DocID = 12 AND "
                    "WhenPosted = #2024-05-06 07:08:01#"),
              1);
    EXPECT_EQ(Count("SELECT * FROM MQ_PageImpressions"), 2);
    CPageImpressionsSet idle(&Db());
    EXPECT_EQ(idle.SaveRecord(0), 1);
}

TEST_F(BookkeepingSetTest, ComponentIsFoundBySourceAndTitleTakenAsValues) {
    AddComponent("Zerin", "Guest Book");
    AddComponent("O'Neil's", "Shop");
    CComponentsInstalledSet set(&Db());
    EXPECT_EQ(set.IsInstalled("Zerin", "Guest Book"), 1);
    EXPECT_EQ(set.IsInstalled("Zerin", "Shop"), 0);
    EXPECT_EQ(set.IsInstalled("O'Neil's", "Shop"), 1);
    EXPECT_EQ(set.IsInstalled("x' OR 'a'='a", "x' OR 'a'='a"), 0);

    ASSERT_EQ(set.OpenBySourceAndTitle("O'Neil's", "Shop", 1), 1);
    set.m_VersionNumber = 4;
    ASSERT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Count("SELECT * FROM ComponentsInstalled WHERE VersionNumber = 4"), 1);

    ASSERT_EQ(set.OpenByQuery("MQ_GetComponentInfo", 0), 1);
    EXPECT_EQ(set.GetRecordCount(), 2);
}

TEST_F(BookkeepingSetTest, NewComponentRowTakesTheTableDefaultsAndAFailedAddSaysSo) {
    CComponentsInstalledSet first(&Db());
    ASSERT_EQ(first.AddNewRecord(0), 1);
    EXPECT_EQ(first.m_ComponentSrc, CString("Zerin"));
    EXPECT_EQ(first.m_ComponentTitle, CString("New Component"));
    // A second new row would repeat the unique source and title of the first.
    CComponentsInstalledSet second(&Db());
    MessageBoxRecorder boxes;
    EXPECT_EQ(second.AddNewRecord(0), 0);
    EXPECT_EQ(Count("SELECT * FROM ComponentsInstalled"), 1);
    // A table that cannot be opened is a failure too.
    ExecuteOn(m_path, "DROP TABLE ComponentsInstalled");
    CComponentsInstalledSet third(&Db());
    EXPECT_EQ(third.AddNewRecord(0), 0);
}

TEST_F(BookkeepingSetTest, VersionRowIsReadFromTheWholeTable) {
    CDBUpdateSet set(&Db());
    set.Open(dbOpenSnapshot);
    EXPECT_EQ(set.m_DbId, kDbId);
    EXPECT_EQ(set.m_VersionNumber, CString("1.30"));
    set.Close();
    ExecuteOn(m_path, "DROP TABLE Marquill");
    Db().Close();
    CDaoDatabase db;
    db.Open(m_path.c_str());
    CDBUpdateSet missing(&db);
    EXPECT_NE(EngineErrorText([&] { missing.Open(dbOpenSnapshot); }), "");
}

TEST_F(BookkeepingSetTest, GenericSetWalksAnyTableByNameAndEditsItsRows) {
    for (int i = 1; i <= 3; ++i)
        ExecuteOn(m_path, "INSERT INTO Dependents (ObjDbID, ObjKeyID, ObjTypeID, UseDbID, "
                          "UseKeyID, UseTypeID) VALUES (5, " +
                              std::to_string(i) + ", 2, 5, 1, 3)");
    CGenericRecordSet set(&Db());
    set.SetTableName("MQ_ClickThroughs");
    EXPECT_EQ(set.OpenTable(1, dbOpenDynaset, dbConsistent), 3);
    EXPECT_EQ(set.GetEditMode(), dbEditNone);

    set.SetTableName("Dependents");
    ASSERT_EQ(set.OpenTable(1, dbOpenDynaset, dbConsistent), 1);
    short fields = 0;
    set.GetFieldCount(&fields);
    EXPECT_EQ(fields, 6);
    int rows = 0;
    for (int more = set.MoveFirstRow(1); more; more = set.MoveNextRow(1)) {
        ASSERT_EQ(set.GetEditMode(), dbEditInProgress);
        set.SetFieldValue("UseKeyID", COleVariant(static_cast<LONG>(100)));
        set.Update();
        ++rows;
    }
    EXPECT_EQ(rows, 3);
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.GetEditMode(), dbEditNone);
    EXPECT_EQ(Count("SELECT * FROM Dependents WHERE UseKeyID = 100"), 3);

    set.SetTableName("NoSuchTable");
    EXPECT_NE(EngineErrorText([&] { set.OpenTable(0, dbOpenDynaset, 0); }), "");
}

} // namespace
