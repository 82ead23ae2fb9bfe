#include "platform/dao/DaoConnection.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoErrorMap.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoSqlPlanner.h"

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

// More distinct texts than this and the idle prepared statements are dropped.
constexpr size_t kStatementCacheLimit = 512;

bool OnlySpaceAndSemicolons(const char* tail) {
    for (; tail && *tail; ++tail)
        if (*tail != ';' && *tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n')
            return false;
    return true;
}

} // namespace

DaoConnection::DaoConnection()
    : m_catalog(std::make_unique<DaoCatalog>(*this)),
      m_planner(std::make_unique<DaoSqlPlanner>(*this)) {}

DaoConnection::~DaoConnection() {
    Close();
}

void DaoConnection::Open(const std::string& path, bool exclusive, bool readOnly) {
    Close();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        CDaoException::Throw(daoErrFileNotFound,
                             "Could not find the database file '" + CString(path) + "'.");
    if (S_ISDIR(info.st_mode))
        CDaoException::Throw(daoErrCannotOpen,
                             "'" + CString(path) + "' is a folder, not a database file.");
    m_lock.Acquire(path, exclusive);
    try {
        OpenHandle(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
        m_readOnly = readOnly;
        Configure();
        if (!DaoCatalog::Exists(*this))
            CDaoException::Throw(daoErrNotADatabase,
                                 "'" + CString(path) + "' is not a site database file.");
        UseWriteAheadLog();
        m_catalog->Load();
    } catch (...) {
        Close();
        throw;
    }
}

void DaoConnection::Create(const std::string& path, const std::string& locale) {
    Close();
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        CDaoException::Throw(daoErrDatabaseExists,
                             "Cannot create '" + CString(path) + "': the file already exists.");
    m_lock.Acquire(path, false);
    try {
        OpenHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        Configure();
        UseWriteAheadLog();
        DaoCatalog::CreateCatalogTables(*this, locale);
        m_catalog->Load();
    } catch (...) {
        Close();
        throw;
    }
}

void DaoConnection::OpenHandle(const std::string& path, int flags) {
    int rc = sqlite3_open_v2(path.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    m_path = path;
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        CDaoException::Throw(daoErrCannotOpen,
                             "The database file '" + CString(path) + "' cannot be opened.");
    }
    sqlite3_extended_result_codes(m_db, 1);
}

void DaoConnection::Configure() {
    sqlite3_busy_timeout(m_db, m_busyTimeout);
    Exec("PRAGMA recursive_triggers = OFF");
    Exec("PRAGMA foreign_keys = OFF");
}

// Readers never block the writer, and other programs' committed changes show at once.
void DaoConnection::UseWriteAheadLog() {
    if (m_readOnly)
        return;
    Exec("PRAGMA journal_mode = WAL");
    Exec("PRAGMA synchronous = NORMAL");
}

void DaoConnection::Close() {
    if (m_db) {
        FinalizeStatements(true);
        m_planner->Clear();
        m_catalog->Clear();
        sqlite3_close_v2(m_db); // an open transaction is rolled back
        m_db = nullptr;
    }
    m_lock.Release();
    m_transactionDepth = 0;
    m_writeDepth = 0;
    m_readOnly = false;
    m_plain = false;
}

sqlite3_stmt* DaoConnection::Prepare(const std::string& sql) {
    if (!m_db)
        CDaoException::Throw(daoErrObjectClosed, "The database is not open.");
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size() + 1),
                                SQLITE_PREPARE_PERSISTENT, &statement, &tail);
    if (rc != SQLITE_OK)
        Fail(rc);
    if (!statement)
        CDaoException::Throw(daoErrSyntax, "The SQL text is empty.");
    if (!OnlySpaceAndSemicolons(tail)) {
        sqlite3_finalize(statement);
        CDaoException::Throw(daoErrTextAfterStatement,
                             "The SQL text goes on after the end of its statement.");
    }
    return statement;
}

DaoConnection::Lease* DaoConnection::AcquireStatement(const std::string& sql) {
    auto found = m_statements.find(sql);
    if (found != m_statements.end() && !found->second->inUse) {
        found->second->inUse = true;
        return found->second.get();
    }
    sqlite3_stmt* statement = Prepare(sql);
    auto lease = std::make_unique<Lease>();
    lease->statement = statement;
    lease->inUse = true;
    if (found != m_statements.end())
        return lease.release(); // the cached copy is busy: a one-off statement
    if (m_statements.size() >= kStatementCacheLimit)
        FinalizeStatements(false);
    lease->cached = true;
    Lease* result = lease.get();
    m_statements.emplace(sql, std::move(lease));
    return result;
}

void DaoConnection::ReleaseStatement(Lease* lease) {
    if (lease->cached) {
        lease->inUse = false;
        return;
    }
    sqlite3_finalize(lease->statement);
    delete lease;
}

void DaoConnection::FinalizeStatements(bool all) {
    for (auto it = m_statements.begin(); it != m_statements.end();) {
        if (all || !it->second->inUse) {
            if (it->second->inUse)
                it->second.release()->cached = false; // its user finalizes it
            else
                sqlite3_finalize(it->second->statement);
            it = m_statements.erase(it);
        } else {
            ++it;
        }
    }
}

void DaoConnection::Exec(const std::string& sql) {
    if (!m_db)
        CDaoException::Throw(daoErrObjectClosed, "The database is not open.");
    int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        Fail(rc);
}

void DaoConnection::Fail(int rc) {
    DaoErrorMap::Throw(*this, rc);
}

void DaoConnection::BeginWrite() {
    if (!m_db)
        CDaoException::Throw(daoErrObjectClosed, "The database is not open.");
    if (m_readOnly)
        CDaoException::Throw(daoErrReadOnly, "The database '" + CString(m_path) +
                                                 "' is open read-only; it cannot be changed.");
    if (m_writeDepth == 0)
        Exec(m_transactionDepth > 0 ? "SAVEPOINT MSysMqWrite" : "BEGIN IMMEDIATE");
    ++m_writeDepth;
}

void DaoConnection::CommitWrite() {
    if (--m_writeDepth > 0)
        return;
    try {
        Exec(m_transactionDepth > 0 ? "RELEASE MSysMqWrite" : "COMMIT");
    } catch (...) {
        ++m_writeDepth;
        RollbackWrite();
        throw;
    }
}

// Never raises: it runs while an exception is on its way out.
void DaoConnection::RollbackWrite() {
    if (--m_writeDepth > 0 || !m_db)
        return;
    const char* sql =
        m_transactionDepth > 0 ? "ROLLBACK TO MSysMqWrite; RELEASE MSysMqWrite" : "ROLLBACK";
    sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

void DaoConnection::BeginTrans() {
    if (m_readOnly)
        CDaoException::Throw(daoErrReadOnly, "The database '" + CString(m_path) +
                                                 "' is open read-only; it cannot be changed.");
    if (m_transactionDepth == 0)
        Exec("BEGIN IMMEDIATE");
    else
        Exec("SAVEPOINT MSysMqTrans" + std::to_string(m_transactionDepth));
    ++m_transactionDepth;
}

void DaoConnection::CommitTrans() {
    if (m_transactionDepth == 0)
        CDaoException::Throw(daoErrNoTransaction, "There is no transaction to commit.");
    --m_transactionDepth;
    if (m_transactionDepth == 0)
        Exec("COMMIT");
    else
        Exec("RELEASE MSysMqTrans" + std::to_string(m_transactionDepth));
}

void DaoConnection::Rollback() {
    if (m_transactionDepth == 0)
        CDaoException::Throw(daoErrNoTransaction, "There is no transaction to roll back.");
    --m_transactionDepth;
    if (m_transactionDepth == 0) {
        Exec("ROLLBACK");
    } else {
        std::string name = "MSysMqTrans" + std::to_string(m_transactionDepth);
        Exec("ROLLBACK TO " + name + "; RELEASE " + name);
    }
    m_catalog->Invalidate(); // a rolled-back change of the catalog must not stay in memory
}

DaoCatalog& DaoConnection::catalog() {
    m_catalog->RefreshIfChanged();
    return *m_catalog;
}

void DaoConnection::SetBusyTimeout(int milliseconds) {
    m_busyTimeout = milliseconds < 0 ? 0 : milliseconds;
    if (m_db)
        sqlite3_busy_timeout(m_db, m_busyTimeout);
}

int64_t DaoConnection::changes() const {
    return m_db ? sqlite3_changes64(m_db) : 0;
}

int64_t DaoConnection::lastInsertRowid() const {
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}
