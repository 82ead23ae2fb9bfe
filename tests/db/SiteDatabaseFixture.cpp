#include "tests/db/SiteDatabaseFixture.h"

#include "db/QZDbUpdate.h"
#include "db/QZStoredQueryTexts.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CDaoWorkspace.h"

#include <stdexcept>

namespace {

// Every table of the site schema and all 120 stored queries.
void MakeSchema(CDaoDatabase& db, int autoNumber) {
    QZDbUpdate update;
    update.BeginSchema(&db, autoNumber);
    int made = update.CreateTables();
    for (const QZStoredQueryText& text : QZStoredQueryTexts::All())
        made = made && update.CreateQueryDef(text.name, text.sql, &db);
    // The database stays this fixture's: the update run must not take it along.
    QZDbUpdate::SetDatabaseUnderConstruction(nullptr);
    if (!made)
        throw std::runtime_error("cannot make the site schema");
}

// The schema is made once a process for each key rule, then copied for every database.
const std::string& SchemaFile(int autoNumber) {
    static TempDir folder;
    static std::string made[2];
    std::string& path = made[autoNumber ? 1 : 0];
    if (path.empty()) {
        std::string file = folder.file(autoNumber ? "auto.mdb" : "plain.mdb");
        CDaoDatabase db;
        db.Create(file.c_str());
        MakeSchema(db, autoNumber);
        db.Close();
        path = file;
    }
    return path;
}

} // namespace

CVantrel3App& TestApp() {
    static CVantrel3App app;
    return app;
}

void CreateSiteDatabase(const std::string& path, LONG dbId, const char* miscellaneous,
                        int autoNumber) {
    if (!CDaoDatabase::CopyDatabaseFile(SchemaFile(autoNumber).c_str(), path.c_str(), TRUE))
        throw std::runtime_error("cannot copy the site schema to " + path);
    CDaoDatabase db;
    db.Open(path.c_str());
    CString sql;
    sql.Format("INSERT INTO Marquill (DbID, VersionNumber, Miscellaneous) VALUES (%ld, '1.30', "
               "'%s')",
               dbId, miscellaneous);
    db.Execute(sql);
    db.Close();
}

void ExecuteOn(const std::string& path, const std::string& sql) {
    std::string error = EngineErrorText([&] {
        CDaoDatabase db;
        db.Open(path.c_str());
        db.Execute(sql.c_str());
    });
    if (!error.empty())
        throw std::runtime_error(sql + ": " + error);
}

long CountRows(const std::string& path, const std::string& sql) {
    CDaoDatabase db;
    db.Open(path.c_str());
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, sql.c_str());
    long count = 0;
    for (; !rows.IsEOF(); rows.MoveNext())
        ++count;
    rows.Close();
    db.Close();
    return count;
}

WriteLockHolder::WriteLockHolder(const std::string& path) {
    m_db.Open(path.c_str());
    m_db.m_pWorkspace->BeginTrans();
}

WriteLockHolder::~WriteLockHolder() {
    m_db.m_pWorkspace->Rollback();
    m_db.Close();
}

void SiteDatabaseTest::SetUp() {
    m_path = m_dir.file("mq.mdb");
    CreateSiteDatabase(m_path, kDbId);
    TestApp().GetUserKey().SetKey(kDbId, 100);
    ASSERT_TRUE(Db().SetDatabasePath(m_path.c_str()));
    ASSERT_EQ(Db().OpenDatabase(0), 1);
}

void SiteDatabaseTest::TearDown() {
    if (Db().IsOpen())
        Db().Close();
}
