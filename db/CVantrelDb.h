#pragma once
// The connection to one site database: remembers the file's path, opens it shared and reads the
// database's own identity (DbID, version text, production mark) from its version row.

#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"

class CVantrelDb : public CDaoDatabase {
public:
    CVantrelDb();
    explicit CVantrelDb(CString path);
    ~CVantrelDb() override;

    // An empty text sets the default path; any other is kept as given, mapped to a native path.
    // Takes effect at the next OpenDatabase. Returns 1.
    int SetDatabasePath(CString path);
    const CString& GetDatabasePath() const { return m_Path; }

    // Opens the file (shared, read-write) and, unless skipVersion is 1, reads the version row.
    // 1 on success; 0 on failure, with the engine's message shown.
    int OpenDatabase(int skipVersion);
    // Fills both from the version row; 0 when the database is not open or has no single row.
    int ReadVersionRow(LONG* dbId, CString* version);
    int GetDbIdAndVersion(LONG* dbId, CString& version);
    LONG GetDbId() const { return m_DbID; }
    // 1 when the version row marks a production database.
    int IsProductionDb() const { return m_ProductionFlag; }
    // While on, page output and data databases are taken from the production settings of a
    // service instead of the development ones. Off until something sets it.
    int GetProductionOutput() const { return m_nProductionOutput; }
    void SetProductionOutput(int on) { m_nProductionOutput = on; }

    void Close() override;

    // "C:\Marquill\mq.mdb", mapped to this system's folders.
    static CString DefaultPath();

private:
    CString m_Path;
    int m_ProductionFlag = 0;
    int m_nProductionOutput = 0;
    LONG m_DbID = 0;
    CString m_Version;
};
