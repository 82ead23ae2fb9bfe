#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class QueryDefTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("site.mdb");
        CreatePeopleDatabase(path, true);
        db.Open(path.c_str());
        db.Execute("INSERT INTO People (DbID, Name, Age) VALUES (1, 'Ann', 30)");
        db.Execute("INSERT INTO People (DbID, Name, Age) VALUES (1, 'Bea', 40)");
        db.Execute("INSERT INTO People (DbID, Name, Age) VALUES (2, 'Cid', 50)");
    }

    void Store(const char* name, const char* sql) {
        CDaoQueryDef query(&db);
        query.Create(name, sql);
        query.Append();
    }

    TempDir dir;
    std::string path;
    CDaoDatabase db;
};

const char* const kByKey = "PARAMETERS argDbID Long, argPersonID Long; SELECT DISTINCTROW People.* "
                           "FROM People WHERE (((People.DbID)=[argDbID]) AND "
                           "((People.PersonID)=[argPersonID]));";

TEST_F(QueryDefTest, StoredQueryOpensByNameWithParametersByPosition) {
    Store("MQ_GetPersonByKey", kByKey);
    CDaoQueryDef query(&db);
    query.Open("mq_getpersonbykey");
    EXPECT_EQ(CString("MQ_GetPersonByKey"), query.GetName());
    EXPECT_EQ(CString(kByKey), query.GetSQL());
    EXPECT_EQ(dbQSelect, query.GetType());
    ASSERT_EQ(2, query.GetParameterCount());
    CDaoParameterInfo info;
    query.GetParameterInfo(1, info);
    EXPECT_EQ(CString("argPersonID"), info.m_strName);
    EXPECT_EQ(dbLong, info.m_nType);
    query.SetParamValue(0, COleVariant(LONG(1)));
    query.SetParamValue(1, COleVariant(LONG(2)));
    PeopleSet set(&db);
    set.Open(&query, dbOpenDynaset, dbConsistent);
    EXPECT_EQ(1, set.GetRecordCount());
    EXPECT_EQ(CString("Bea"), set.m_Name);
    EXPECT_TRUE(set.CanUpdate());
    set.Edit();
    set.m_Age = 41;
    set.Update();
    query.SetParamValue("argPersonID", COleVariant(LONG(3)));
    PeopleSet other(&db);
    other.Open(&query);
    EXPECT_TRUE(other.IsEOF() && other.IsBOF());
}

TEST_F(QueryDefTest, MissingParameterValueIs3061AndUnknownParameterIs3265) {
    Store("MQ_GetPersonByKey", kByKey);
    CDaoQueryDef query(&db);
    query.Open("MQ_GetPersonByKey");
    query.SetParamValue(0, COleVariant(LONG(1)));
    PeopleSet set(&db);
    EXPECT_EQ(daoErrTooFewParameters, DaoErrorOf([&] { set.Open(&query); }));
    EXPECT_EQ(daoErrItemNotFound,
              DaoErrorOf([&] { query.SetParamValue(2, COleVariant(LONG(1))); }));
    EXPECT_EQ(daoErrItemNotFound,
              DaoErrorOf([&] { query.SetParamValue("argNothing", COleVariant(LONG(1))); }));
    CDaoQueryDef missing(&db);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { missing.Open("MQ_Nothing"); }));
}

TEST_F(QueryDefTest, ExecuteChangesEveryRowOrNone) {
    Store("MQ_AgeByDb", "PARAMETERS argDbID Long; UPDATE People SET Age = Age + 1 WHERE "
                        "DbID = [argDbID];");
    CDaoQueryDef query(&db);
    query.Open("MQ_AgeByDb");
    EXPECT_EQ(dbQUpdate, query.GetType());
    query.SetParamValue(0, COleVariant(LONG(1)));
    query.Execute(dbFailOnError);
    EXPECT_EQ(2, query.GetRecordsAffected());
    // A change that breaks the key of one row leaves every row as it was.
    Store("MQ_Renumber", "UPDATE People SET PersonID = 1");
    CDaoQueryDef renumber(&db);
    renumber.Open("MQ_Renumber");
    EXPECT_EQ(daoErrDuplicateKey, DaoErrorOf([&] { renumber.Execute(dbFailOnError); }));
    PeopleSet set(&db);
    set.Open(dbOpenSnapshot, "SELECT * FROM People ORDER BY PersonID");
    EXPECT_EQ(1, set.m_PersonID);
    EXPECT_EQ(31, set.m_Age);
    set.MoveNext();
    EXPECT_EQ(2, set.m_PersonID);
    EXPECT_EQ(daoErrSelectNotExecutable, DaoErrorOf([&] {
                  CDaoQueryDef select(&db);
                  select.Create("", "SELECT * FROM People");
                  select.Execute();
              }));
}

TEST_F(QueryDefTest, StoredQueriesAreListedReplacedAndDeleted) {
    Store("MQ_B", "SELECT * FROM People");
    Store("MQ_A", "DELETE FROM People WHERE DbID = 9");
    EXPECT_EQ(daoErrObjectExists, DaoErrorOf([&] { Store("mq_a", "SELECT 1"); }));
    EXPECT_EQ(daoErrObjectExists, DaoErrorOf([&] { Store("People", "SELECT 1"); }));
    ASSERT_EQ(2, db.GetQueryDefCount());
    CDaoQueryDefInfo info;
    db.GetQueryDefInfo(0, info, AFX_DAO_ALL_INFO);
    EXPECT_EQ(CString("MQ_A"), info.m_strName);
    EXPECT_EQ(dbQDelete, info.m_nType);
    db.GetQueryDefInfo("MQ_B", info, AFX_DAO_PRIMARY_INFO);
    EXPECT_EQ(CString("SELECT * FROM People"), info.m_strSQL);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { db.GetQueryDefInfo("MQ_C", info); }));
    db.DeleteQueryDef("MQ_B");
    Store("MQ_B", "SELECT Name FROM People");
    db.GetQueryDefInfo("MQ_B", info);
    EXPECT_EQ(CString("SELECT Name FROM People"), info.m_strSQL);
    EXPECT_EQ(daoErrItemNotFound, DaoErrorOf([&] { db.DeleteQueryDef("MQ_Z"); }));
}

TEST_F(QueryDefTest, StoredQueryNameAloneOpensTheQuery) {
    Store("MQ_Old", "SELECT * FROM People WHERE Age >= 40 ORDER BY Age");
    PeopleSet set(&db);
    set.Open(dbOpenDynaset, "MQ_Old");
    EXPECT_EQ(2, set.GetRecordCount());
    EXPECT_EQ(CString("Bea"), set.m_Name);
}

TEST_F(QueryDefTest, QueryOverAJoinIsReadOnly) {
    CDaoQueryDef query(&db);
    query.Create(nullptr, "SELECT a.Name, b.Name AS Other FROM People AS a, People AS b WHERE "
                          "a.DbID = b.DbID AND a.PersonID < b.PersonID");
    CDaoRecordset set(&db);
    set.Open(&query);
    EXPECT_FALSE(set.CanUpdate());
    EXPECT_EQ(1, set.GetRecordCount());
    EXPECT_EQ(CString("Bea"), set.GetFieldValue("Other").bstrVal);
}

TEST_F(QueryDefTest, ExecuteOnTheDatabaseReportsRecordsAffected) {
    db.Execute("UPDATE People SET Flag = 1 WHERE DbID = 1", dbFailOnError);
    EXPECT_EQ(2, db.GetRecordsAffected());
    EXPECT_EQ(daoErrNoSuchTable, DaoErrorOf([&] { db.Execute("DELETE FROM Persons"); }));
    EXPECT_EQ(daoErrSyntax, DaoErrorOf([&] { db.Execute("UPDATE People SET WHERE"); }));
}

} // namespace
