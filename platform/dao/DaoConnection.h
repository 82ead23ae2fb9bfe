#pragma once
// One open SQLite connection of a database object: the file's lock, the statement cache, write
// transactions, the catalog and the plans of the SQL texts run on it. Internal to the layer:
// nothing above platform/dao sees it.

#include "platform/dao/DaoFileLock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;
class DaoCatalog;
class DaoSqlPlanner;

class DaoConnection {
public:
    DaoConnection();
    ~DaoConnection();
    DaoConnection(const DaoConnection&) = delete;
    DaoConnection& operator=(const DaoConnection&) = delete;

    // Opens an existing site database; CDaoException on failure.
    void Open(const std::string& path, bool exclusive, bool readOnly);
    // Makes a new site database file with an empty catalog and opens it.
    void Create(const std::string& path, const std::string& locale);
    // Opens a data database: one with our catalog as Open does (shared), a plain SQLite file
    // made by other tools with its schema read from SQLite's own and nothing written to it.
    void OpenData(const std::string& path, bool readOnly);
    void Close();
    bool IsOpen() const { return m_db != nullptr; }
    // True for a plain SQLite file, whose schema the layer reads but never changes.
    bool IsPlain() const { return m_plain; }

    sqlite3* handle() const { return m_db; }
    const std::string& path() const { return m_path; }
    bool readOnly() const { return m_readOnly; }
    DaoFileLock& fileLock() { return m_lock; }

    // A prepared statement lent out for one use. Cached statements stay prepared between uses;
    // a statement asked for while its cached copy is in use is prepared afresh.
    struct Lease {
        sqlite3_stmt* statement = nullptr;
        bool inUse = false;
        bool cached = false;
    };
    Lease* AcquireStatement(const std::string& sql);
    void ReleaseStatement(Lease* lease);
    // Runs SQL that returns no rows.
    void Exec(const std::string& sql);
    // Raises the CDaoException for an engine result code.
    [[noreturn]] void Fail(int rc);

    // Write transactions: the outermost write takes the write lock at once (BEGIN IMMEDIATE),
    // waiting at most the busy timeout; inside a user transaction it is a savepoint.
    void BeginWrite();
    void CommitWrite();
    void RollbackWrite();
    // The user transaction of the database's workspace; nested ones are savepoints.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    bool InTransaction() const { return m_transactionDepth > 0; }

    // The catalog, reloaded first when another connection changed it.
    DaoCatalog& catalog();
    // The catalog as last loaded, without asking the file (for error messages).
    DaoCatalog& loadedCatalog() { return *m_catalog; }
    DaoSqlPlanner& planner() { return *m_planner; }

    void SetBusyTimeout(int milliseconds);
    int busyTimeout() const { return m_busyTimeout; }
    int64_t changes() const;
    int64_t lastInsertRowid() const;

    // The default wait for another program's write lock before error 3260.
    static constexpr int kDefaultBusyTimeout = 1000;

private:
    void OpenHandle(const std::string& path, int flags);
    sqlite3_stmt* Prepare(const std::string& sql);
    void Configure();
    void UseWriteAheadLog();
    void FinalizeStatements(bool all);

    sqlite3* m_db = nullptr;
    std::string m_path;
    bool m_readOnly = false;
    bool m_plain = false;
    int m_transactionDepth = 0;
    int m_writeDepth = 0;
    int m_busyTimeout = kDefaultBusyTimeout;
    DaoFileLock m_lock;
    std::unordered_map<std::string, std::unique_ptr<Lease>> m_statements;
    std::unique_ptr<DaoCatalog> m_catalog;
    std::unique_ptr<DaoSqlPlanner> m_planner;
};
