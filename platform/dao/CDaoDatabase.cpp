#include "platform/dao/CDaoDatabase.h"

#include "platform/core/FileServices.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConvert.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoSqlPlanner.h"
#include "platform/dao/DaoStatement.h"
#include "platform/dao/DaoWriteScope.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CDaoDatabase, CObject)

namespace {

[[noreturn]] void NotFound(const char* what, LPCTSTR name) {
    CDaoException::Throw(daoErrItemNotFound, CString("There is no ") + what + " named '" +
                                                 (name ? name : "") + "' in the database.");
}

// Database files are named by native paths: whoever read the name from stored text mapped it.
std::string NativePath(LPCTSTR path) {
    return path ? path : "";
}

// A copy being made carries this and its maker's process id after the target's name.
constexpr const char* kPartialMark = ".partial-";
// The files the engine keeps beside a database file while it is open or was left open.
constexpr const char* kJournalSuffixes[] = {"-journal", "-wal", "-shm"};

void RemoveWithJournal(const std::string& path) {
    ::unlink(path.c_str());
    for (const char* suffix : kJournalSuffixes)
        ::unlink((path + suffix).c_str());
}

// Copies to the target that were cut short because their program died are removed; a copy
// that a running program is still making is left alone.
void RemoveAbandonedCopies(const std::string& target) {
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) + kPartialMark;
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr)
        return;
    while (const dirent* entry = ::readdir(entries)) {
        std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        long maker = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        if (maker > 0 && ::kill(static_cast<pid_t>(maker), 0) != 0 && errno == ESRCH)
            ::unlink((folder + (folder == "." ? "/" : "") + name).c_str());
    }
    ::closedir(entries);
}

// Copies the database at source, as one read snapshot, to a new file at target.
bool BackUp(const std::string& source, const std::string& target) {
    sqlite3* in = nullptr;
    sqlite3* out = nullptr;
    bool done = false;
    if (sqlite3_open_v2(source.c_str(), &in, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_open_v2(target.c_str(), &out, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(in, DaoConnection::kDefaultBusyTimeout);
        if (sqlite3_backup* backup = sqlite3_backup_init(out, "main", in, "main")) {
            done = sqlite3_backup_step(backup, -1) == SQLITE_DONE;
            done = sqlite3_backup_finish(backup) == SQLITE_OK && done;
        }
    }
    sqlite3_close_v2(in);
    done = sqlite3_close_v2(out) == SQLITE_OK && done;
    return done;
}

// Makes a rename in the folder of path survive a power failure.
void SyncFolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

CDaoDatabase::CDaoDatabase(CDaoWorkspace* pWorkspace)
    : m_pWorkspace(pWorkspace), m_connection(std::make_unique<DaoConnection>()) {
    if (!m_pWorkspace) {
        m_ownWorkspace = std::make_unique<CDaoWorkspace>();
        m_pWorkspace = m_ownWorkspace.get();
    }
    m_pWorkspace->AddDatabase(this);
}

CDaoDatabase::~CDaoDatabase() {
    CDaoDatabase::Close();
    m_pWorkspace->RemoveDatabase(this);
}

void CDaoDatabase::Create(LPCTSTR lpszName, LPCTSTR lpszLocale, int) {
    Close();
    m_connection->Create(NativePath(lpszName),
                         lpszLocale && *lpszLocale ? lpszLocale : dbLangGeneral);
    m_strName = lpszName;
    m_strConnect.Empty();
}

void CDaoDatabase::Open(LPCTSTR lpszName, BOOL bExclusive, BOOL bReadOnly, LPCTSTR lpszConnect) {
    Close();
    m_connection->Open(NativePath(lpszName), bExclusive != FALSE, bReadOnly != FALSE);
    m_strName = lpszName;
    m_strConnect = lpszConnect ? lpszConnect : "";
}

void CDaoDatabase::Close() {
    std::vector<std::pair<const void*, std::function<void()>>> dependents;
    dependents.swap(m_dependents);
    for (auto& dependent : dependents)
        dependent.second();
    m_connection->Close();
}

BOOL CDaoDatabase::IsOpen() const {
    return m_connection->IsOpen();
}

BOOL CDaoDatabase::CanUpdate() {
    return IsOpen() && !m_connection->readOnly();
}

BOOL CDaoDatabase::CanTransact() {
    return IsOpen();
}

CString CDaoDatabase::GetName() {
    return m_strName;
}

CString CDaoDatabase::GetConnect() {
    return m_strConnect;
}

DaoConnection& CDaoDatabase::Connection() const {
    if (!m_connection->IsOpen())
        CDaoException::Throw(daoErrObjectClosed, "The database is not open.");
    return *m_connection;
}

void CDaoDatabase::AddDependent(const void* key, std::function<void()> close) {
    RemoveDependent(key);
    m_dependents.emplace_back(key, std::move(close));
}

void CDaoDatabase::RemoveDependent(const void* key) {
    for (auto it = m_dependents.begin(); it != m_dependents.end(); ++it)
        if (it->first == key) {
            m_dependents.erase(it);
            return;
        }
}

short CDaoDatabase::GetTableDefCount() {
    return static_cast<short>(Connection().catalog().tables().size());
}

void CDaoDatabase::FillTableDefInfo(int index, CDaoTableDefInfo& info, DWORD options) {
    const DaoTableSchema& table = Connection().loadedCatalog().tables()[static_cast<size_t>(index)];
    info.m_strName = table.name;
    info.m_lAttributes = table.attributes;
    info.m_bUpdatable = !table.IsSystem() && CanUpdate();
    info.m_dateCreated = DaoConvert::StampDate(table.dateCreated);
    info.m_dateLastUpdated = DaoConvert::StampDate(table.lastUpdated);
    info.m_strSrcTableName = table.sourceTable;
    info.m_strConnect = table.connect;
    info.m_strValidationRule = table.validationRule;
    info.m_strValidationText = table.validationText;
    info.m_lRecordCount = 0;
    if ((options & AFX_DAO_ALL_INFO) == AFX_DAO_ALL_INFO) {
        DaoStatement count(Connection(), "SELECT count(*) FROM " + DaoDdl::QuoteName(table.name));
        if (count.Step())
            info.m_lRecordCount = static_cast<LONG>(count.ColumnInteger(0));
    }
}

void CDaoDatabase::GetTableDefInfo(int nIndex, CDaoTableDefInfo& tabledefinfo,
                                   DWORD dwInfoOptions) {
    const auto& tables = Connection().catalog().tables();
    if (nIndex < 0 || nIndex >= static_cast<int>(tables.size()))
        CDaoException::Throw(daoErrItemNotFound, "There is no table definition at position " +
                                                     CString(std::to_string(nIndex)) + ".");
    FillTableDefInfo(nIndex, tabledefinfo, dwInfoOptions);
}

void CDaoDatabase::GetTableDefInfo(LPCTSTR lpszName, CDaoTableDefInfo& tabledefinfo,
                                   DWORD dwInfoOptions) {
    DaoCatalog& catalog = Connection().catalog();
    const DaoTableSchema* table = catalog.FindTable(lpszName ? lpszName : "");
    if (!table)
        NotFound("table", lpszName);
    FillTableDefInfo(static_cast<int>(table - catalog.tables().data()), tabledefinfo,
                     dwInfoOptions);
}

void CDaoDatabase::DeleteTableDef(LPCTSTR lpszName) {
    Connection().catalog().DropTable(lpszName ? lpszName : "");
}

short CDaoDatabase::GetQueryDefCount() {
    return static_cast<short>(Connection().catalog().queries().size());
}

void CDaoDatabase::FillQueryDefInfo(int index, CDaoQueryDefInfo& info, DWORD) {
    const DaoQuerySchema& query =
        Connection().loadedCatalog().queries()[static_cast<size_t>(index)];
    info.m_strName = query.name;
    info.m_nType = query.type;
    info.m_dateCreated = DaoConvert::StampDate(query.dateCreated);
    info.m_dateLastUpdated = DaoConvert::StampDate(query.lastUpdated);
    info.m_bReturnsRecords = query.returnsRecords;
    info.m_bUpdatable = CanUpdate();
    info.m_strSQL = query.sql;
    info.m_strConnect = query.connect;
    info.m_nODBCTimeout = 0;
}

void CDaoDatabase::GetQueryDefInfo(int nIndex, CDaoQueryDefInfo& querydefinfo,
                                   DWORD dwInfoOptions) {
    const auto& queries = Connection().catalog().queries();
    if (nIndex < 0 || nIndex >= static_cast<int>(queries.size()))
        CDaoException::Throw(daoErrItemNotFound, "There is no stored query at position " +
                                                     CString(std::to_string(nIndex)) + ".");
    FillQueryDefInfo(nIndex, querydefinfo, dwInfoOptions);
}

void CDaoDatabase::GetQueryDefInfo(LPCTSTR lpszName, CDaoQueryDefInfo& querydefinfo,
                                   DWORD dwInfoOptions) {
    DaoCatalog& catalog = Connection().catalog();
    const DaoQuerySchema* query = catalog.FindQuery(lpszName ? lpszName : "");
    if (!query)
        NotFound("stored query", lpszName);
    FillQueryDefInfo(static_cast<int>(query - catalog.queries().data()), querydefinfo,
                     dwInfoOptions);
}

void CDaoDatabase::DeleteQueryDef(LPCTSTR lpszName) {
    Connection().catalog().DeleteQuery(lpszName ? lpszName : "");
}

void CDaoDatabase::Execute(LPCTSTR lpszSQL, int) {
    DaoConnection& connection = Connection();
    DaoWriteScope scope(connection);
    auto plan = connection.planner().Plan(lpszSQL ? lpszSQL : "");
    if (plan->returnsRows)
        CDaoException::Throw(daoErrSelectNotExecutable,
                             "A query that returns rows cannot be executed; open a recordset "
                             "on it instead.");
    if (!plan->parameters.empty())
        CDaoException::Throw(daoErrTooFewParameters,
                             "Too few parameters: the query expects " +
                                 CString(std::to_string(plan->parameters.size())) +
                                 ", and none can be given to Execute.");
    {
        DaoStatement statement(connection, plan->sql);
        statement.Run();
    }
    m_lRecordsAffected = static_cast<LONG>(connection.changes());
    scope.Commit();
}

LONG CDaoDatabase::GetRecordsAffected() {
    return m_lRecordsAffected;
}

LONG CDaoDatabase::GetSessionId() const {
    return IsOpen() ? m_connection->fileLock().sessionId() : 0;
}

BOOL CDaoDatabase::IsSessionAlive(LONG sessionId) const {
    return IsOpen() && m_connection->fileLock().IsSessionAlive(sessionId);
}

void CDaoDatabase::SetBusyTimeout(int milliseconds) {
    m_connection->SetBusyTimeout(milliseconds);
}

int CDaoDatabase::GetBusyTimeout() const {
    return m_connection->busyTimeout();
}

// The engine's backup copies every page of one read snapshot, the pages still in the journal
// included, so the copy is complete and consistent even while other programs write. It is made
// under a name of its own beside the target and takes the target's name in one rename once it is
// complete, so a copy cut short (a full disk, a killed program) never stands under that name.
BOOL CDaoDatabase::CopyDatabaseFile(LPCTSTR from, LPCTSTR to, BOOL failIfExists) {
    std::string source = NativePath(from);
    std::string target = NativePath(to);
    struct stat info {};
    if (::stat(source.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return FALSE;
    if (failIfExists && ::stat(target.c_str(), &info) == 0)
        return FALSE;
    RemoveAbandonedCopies(target);
    std::string partial = target + kPartialMark + std::to_string(::getpid());
    RemoveWithJournal(partial);
    bool done = BackUp(source, partial);
    if (done) {
        // What the engine kept beside an earlier file of the name belongs to that file only.
        if (!failIfExists)
            for (const char* suffix : kJournalSuffixes)
                ::unlink((target + suffix).c_str());
        done = MoveFileExA(partial.c_str(), target.c_str(),
                           failIfExists ? 0 : MOVEFILE_REPLACE_EXISTING) != FALSE;
    }
    RemoveWithJournal(partial);
    if (done)
        SyncFolderOf(target);
    return done ? TRUE : FALSE;
}
