// Pass-through queries name a database server; with none to run them they fail with the
// engine's ODBC error wherever they would run.

#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/DaoErrors.h"
#include "tests/platform/dao/DaoTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(CDaoQueryDefPassThrough, OpeningOrExecutingFailsWithTheOdbcError) {
    TempDir dir;
    std::string path = dir.file("data.mdb");
    CreatePeopleDatabase(path, true);
    CDaoDatabase db;
    db.Open(path.c_str());
    {
        CDaoQueryDef stored(&db);
        stored.Create("spItems", "spItems @cat");
        stored.SetConnect("ODBC;DSN=Shop");
        stored.Append();
    }
    CDaoQueryDef query(&db);
    query.Open("spItems");
    EXPECT_EQ(dbQSQLPassThrough, query.GetType());
    CDaoRecordset set(&db);
    EXPECT_EQ(DaoErrorTextOf([&] { set.Open(&query, dbOpenSnapshot); }),
              "ODBC--call failed: the query 'spItems' is a pass-through query for a database "
              "server (ODBC;DSN=Shop), and there is no server to run it.");
    EXPECT_EQ(daoErrOdbcCallFailed, DaoErrorOf([&] { query.Execute(); }));
    CDaoQueryDef temporary(&db);
    temporary.Create();
    temporary.SetConnect("ODBC;DSN=Shop");
    temporary.SetSQL("spItems @cat = \"tools\" ");
    EXPECT_EQ(daoErrOdbcCallFailed, DaoErrorOf([&] { set.Open(&temporary, dbOpenSnapshot); }));
}
