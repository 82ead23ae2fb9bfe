#pragma once
// Site databases for the db tests: a new file per test with every table, every stored query
// and one version row, opened as the application's site database. Each test process has one
// application object.

#include "db/CVantrelDb.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/CDaoException.h"
#include "shell/CVantrel3App.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

// The application object of this test process.
CVantrel3App& TestApp();

// Makes a site database at path: the tables (keys auto-numbered unless autoNumber is 0, as in
// a transfer database), the 120 stored queries and a version row with this DbID, version
// "1.30" and Miscellaneous text.
void CreateSiteDatabase(const std::string& path, LONG dbId, const char* miscellaneous = "",
                        int autoNumber = 1);

// Runs one SQL statement of the engine's dialect on its own connection to the file.
void ExecuteOn(const std::string& path, const std::string& sql);

// Counts the rows an SQL selection returns, on its own connection to the file.
long CountRows(const std::string& path, const std::string& sql);

// Another connection to the file that holds its write lock (an open transaction) until it goes.
class WriteLockHolder {
public:
    explicit WriteLockHolder(const std::string& path);
    ~WriteLockHolder();

private:
    CDaoDatabase m_db;
};

// The text of the engine error that running the action raises, or "" when it raises none.
template <typename Action> std::string EngineErrorText(Action action) {
    try {
        action();
    } catch (CDaoException* e) {
        return CaughtDaoError(e).Message().str();
    }
    return "";
}

class SiteDatabaseTest : public ::testing::Test {
protected:
    static constexpr LONG kDbId = 5;

    void SetUp() override;
    void TearDown() override;

    CVantrelDb& Db() { return TestApp().m_VantrelDb; }
    long Count(const std::string& sql) { return CountRows(m_path, sql); }

    TempDir m_dir;
    std::string m_path;
};
