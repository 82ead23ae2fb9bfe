#pragma once
// An open site database file. It is opened shared or exclusively, read-write or read-only,
// or created new with a locale; it lists, makes and deletes table and query definitions and
// runs action queries. Closing it closes the recordsets, query and table definitions opened on
// it. Beyond the framework's members it tells its session id and whether the session of
// another open of the same file is still running, and copies database files safely.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoQueryDefInfo.h"
#include "platform/dao/CDaoTableDefInfo.h"
#include "platform/dao/DaoConstants.h"

#include <functional>
#include <memory>
#include <vector>

class CDaoWorkspace;
class DaoConnection;

class CDaoDatabase : public CObject {
    DECLARE_DYNAMIC(CDaoDatabase)
public:
    explicit CDaoDatabase(CDaoWorkspace* pWorkspace = nullptr);
    ~CDaoDatabase() override;

    // Makes a new database file (refused with 3204 when the file exists) and opens it. The
    // locale is recorded in the file.
    virtual void Create(LPCTSTR lpszName, LPCTSTR lpszLocale = dbLangGeneral, int dwOptions = 0);
    // Opens an existing file: 3024 when there is none, 3045 when an exclusive open meets
    // another open of the file, 3356 when another open holds it exclusively, 3343 when it is
    // no site database.
    virtual void Open(LPCTSTR lpszName, BOOL bExclusive = FALSE, BOOL bReadOnly = FALSE,
                      LPCTSTR lpszConnect = "");
    virtual void Close();
    // Opens a data database shared: a file of ours as Open does, or a plain SQLite file made
    // by other tools, whose tables come from SQLite's own schema and which opening never
    // writes to (its tables cannot be changed here; its rows can, unless read-only).
    void OpenDataFile(LPCTSTR lpszName, BOOL bReadOnly = FALSE);
    // TRUE while the open file is a plain SQLite file.
    BOOL IsPlainFile() const;

    BOOL IsOpen() const;
    BOOL CanUpdate();
    BOOL CanTransact();
    // The path the database was opened or created with.
    CString GetName();
    CString GetConnect();

    short GetTableDefCount();
    void GetTableDefInfo(int nIndex, CDaoTableDefInfo& tabledefinfo,
                         DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void GetTableDefInfo(LPCTSTR lpszName, CDaoTableDefInfo& tabledefinfo,
                         DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void DeleteTableDef(LPCTSTR lpszName);

    short GetQueryDefCount();
    void GetQueryDefInfo(int nIndex, CDaoQueryDefInfo& querydefinfo,
                         DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void GetQueryDefInfo(LPCTSTR lpszName, CDaoQueryDefInfo& querydefinfo,
                         DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void DeleteQueryDef(LPCTSTR lpszName);

    // Runs an action query (the stored queries' dialect or SQLite's) in one transaction.
    void Execute(LPCTSTR lpszSQL, int nOptions = dbFailOnError);
    LONG GetRecordsAffected();

    // This open's session: a positive id that no other running open of the file holds.
    LONG GetSessionId() const;
    // TRUE while the open with that session id runs (in this or another process).
    BOOL IsSessionAlive(LONG sessionId) const;
    // How long a write waits for another program's write lock before error 3260.
    void SetBusyTimeout(int milliseconds);
    int GetBusyTimeout() const;

    // Copies a database file, open or not, as one consistent state (journal included). Only
    // a complete copy ever stands under the name `to`: it is made beside it under a temporary
    // name, which copies cut short by programs that died leave behind and the next copy to the
    // same name removes. FALSE when the copy fails or `to` exists and failIfExists is set.
    static BOOL CopyDatabaseFile(LPCTSTR from, LPCTSTR to, BOOL failIfExists);

    CDaoWorkspace* m_pWorkspace;

    // For the layer's own classes: the open connection (3420 when closed), and the objects
    // that must be closed with the database.
    DaoConnection& Connection() const;
    void AddDependent(const void* key, std::function<void()> close);
    void RemoveDependent(const void* key);

private:
    void FillTableDefInfo(int index, CDaoTableDefInfo& info, DWORD options);
    void FillQueryDefInfo(int index, CDaoQueryDefInfo& info, DWORD options);

    std::unique_ptr<DaoConnection> m_connection;
    std::unique_ptr<CDaoWorkspace> m_ownWorkspace;
    CString m_strName;
    CString m_strConnect;
    LONG m_lRecordsAffected = 0;
    std::vector<std::pair<const void*, std::function<void()>>> m_dependents;
};
