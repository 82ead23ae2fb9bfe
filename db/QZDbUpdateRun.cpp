// The two runs of QZDbUpdate on a whole file: creating a new database and bringing an old one
// up to the expected version.
//
// An update never writes the file it updates: the new schema is built in a copy beside it, the
// rows are copied into that copy from the file (held open exclusively meanwhile), and the copy
// takes the file's place in one rename only when every step succeeded. Whatever fails, the file
// is as it was and the user is told.

#include "db/CDBUpdateSet.h"
#include "db/CMarquillSet.h"
#include "db/CProgressDlg.h"
#include "db/DBF_CMarquillSet.h"
#include "db/QZDbUpdate.h"
#include "db/QZDbUpdateFaults.h"
#include "db/QZVersionNumber.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"

#include <string>

namespace {

constexpr const char* kTemporaryName = "TMP__TMP.mdb";
constexpr const char* kBackupExtension = ".OLD";
// Backup names tried before the backup step gives up.
constexpr int kMaxBackups = 10000;

using QZDbUpdateFaults::StepFails;

// The folder of a native path, with its trailing slash ("" for a bare file name).
CString FolderOf(const CString& path) {
    int slash = path.ReverseFind('/');
    return slash >= 0 ? path.Left(slash + 1) : CString();
}

// Only the file name's extension changes: mq.mdb backs up to mq.OLD, then mq.OLD2, mq.OLD3...
CString BackupPathFor(const CString& path, int number) {
    CString folder = FolderOf(path);
    CString name = path.Mid(folder.GetLength());
    int dot = name.ReverseFind('.');
    CString backup = folder + (dot > 0 ? name.Left(dot) : name) + kBackupExtension;
    if (number > 1)
        backup += CString(std::to_string(number));
    return backup;
}

// True when the version table holds more than one row.
bool HasSeveralVersionRows(CDaoDatabase* database) {
    try {
        CDaoRecordset rows(database);
        rows.Open(dbOpenSnapshot, "Select * from Marquill");
        return rows.GetRecordCount() > 1;
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        return false;
    }
}

CString NewerText() {
    return "You cannot update a database newer than " + QZDbUpdate::GetExpectedVersion() +
           "!\n\n Please obtain a newer executable of this program!";
}

constexpr const char* kUnreadableVersion =
    "The version of this database cannot be read!\n\n The database has not been changed.";
constexpr const char* kSeveralVersionRows =
    "This database has more than one version row!\n\n The database has not been changed.";
constexpr const char* kTablesFailed = "Error in creating new tables!";
constexpr const char* kDeleteQueriesFailed = "Error in deleting query definitions!";
constexpr const char* kCreateQueriesFailed = "Error in creating query definitions!";
constexpr const char* kTemporaryFailed = "Failed to create a temporary database. Program ABORTED!";
constexpr const char* kReplaceFailed =
    "Failed to put the updated database in place of the old one. Program ABORTED!";
constexpr const char* kRestoreFailed =
    "Error in restoring your original data! Reverting to original database.";
constexpr const char* kRestored =
    "Your data has been SUCCESSFULLY restored to it's original condition.\nDO NOT PROCEED!\n"
    "Call Zerin Technical Support.\nProgram ABORTED!";

} // namespace

const CString& QZDbUpdate::GetExpectedVersion() {
    static const CString version("1.30");
    return version;
}

// ---- Creating a new database

int QZDbUpdate::CreateNewDatabase(CString path, int minimalQueries, int autoNumber) {
    DiscardRun();
    m_bMinimalQueries = minimalQueries;
    m_bAutoNumber = autoNumber;
    BOOL created = FALSE;
    // A half-made file is removed: it is no database, and it would refuse the next creation.
    auto fail = [&](LPCTSTR message) {
        if (message)
            AfxMessageBox(message, MB_OK, 0);
        DiscardRun();
        if (created)
            DeleteFileA(path);
        return 0;
    };
    try {
        CDaoDatabase* database = NewDatabaseUnderConstruction();
        if (!CreateDatabaseFile(database, path))
            return fail(nullptr);
        created = TRUE;
        m_pTableDef = new CDaoTableDef(database);
        if (StepFails("CreateTables") || !CreateTables())
            return fail(kTablesFailed);
        if (StepFails("CreateQueryDefs") || !CreateQueryDefs())
            return fail(kCreateQueriesFailed);
        DBF_CMarquillSet version(database);
        version.AddProductionRow(GetExpectedVersion());
        version.Close();
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
        return fail(nullptr);
    } catch (CMemoryException* e) {
        e->ReportError(MB_OK);
        e->Delete();
        return fail(nullptr);
    }
    DiscardRun();
    return 1;
}

int QZDbUpdate::CreateDatabaseFile(CDaoDatabase* database, CString path) {
    try {
        database->Create(path, dbLangGeneral, 0);
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
        return 0;
    } catch (CMemoryException* e) {
        e->ReportError(MB_OK);
        e->Delete();
        return 0;
    }
    return 1;
}

// ---- Updating a database

int QZDbUpdate::UpdateDatabase(CString path, int autoNumber) {
    // A run may follow a failed one on the same object: nothing of that one is reused.
    DiscardRun();
    m_strPath = path;
    m_strTempPath.Empty();
    m_strBackupPath.Empty();
    m_strOldVersion.Empty();
    m_bBackupMade = FALSE;
    m_bAutoNumber = autoNumber;
    m_bMinimalQueries = 0;

    CProgressDlg progress;
    if (progress.Create(nullptr))
        progress.SetForegroundWindow();
    int result = updateFailed;
    try {
        result = RunUpdate(progress);
    } catch (CDaoException* e) {
        // Before the backup step nothing was made: the file could not be opened, and the
        // caller shows why. Later the user is told here that the file is unchanged.
        BOOL started = !m_strBackupPath.IsEmpty();
        DiscardRun();
        RemoveWorkFiles();
        CaughtDaoError error(e);
        if (!started)
            throw error.Release();
        error->ReportError(MB_OK);
        return Abandoned(nullptr);
    } catch (...) {
        DiscardRun();
        RemoveWorkFiles();
        throw;
    }
    DiscardRun();
    if (result != updateDone)
        RemoveWorkFiles();
    return result;
}

int QZDbUpdate::RunUpdate(CProgressDlg& progress) {
    auto step = [&progress](LPCTSTR status) {
        progress.StepIt();
        progress.SetStatus(status);
    };
    step("InitDbUpdate");
    if (!InitDbUpdate())
        return updateFailed;

    step("CreateTables");
    // Tables the current schema no longer has; their rows are not kept.
    DropTableIfExists("DynamicRequests");
    DropTableIfExists("Subscribers");
    if (StepFails("CreateTables") || !CreateTables())
        return Abandoned(kTablesFailed);

    step("DeleteQueryDefs");
    if (StepFails("DeleteQueryDefs") || !DeleteQueryDefs(m_pOwnDb))
        return Abandoned(kDeleteQueriesFailed);

    step("CreateQueryDefs");
    if (StepFails("CreateQueryDefs") || !CreateQueryDefs())
        return Abandoned(kCreateQueriesFailed);

    step("RestoreOriginalData");
    if (StepFails("RestoreOriginalData") || !RestoreOriginalData(1)) {
        // Rows that cannot be carried over will not be carried over by another try either.
        AfxMessageBox(kRestoreFailed, MB_OK, 0);
        AfxMessageBox(kRestored, MB_OK, 0);
        return updateStop;
    }

    if (StepFails("SetVersion"))
        CDaoException::Throw(daoErrCannotOpen, "The version row cannot be written.");
    DBF_CMarquillSet version(m_pOwnDb);
    version.SetVersion(GetExpectedVersion());
    version.Close();
    return ReplaceOriginal();
}

int QZDbUpdate::InitDbUpdate() {
    m_pOldCopyDb = new CDaoDatabase;
    // Raises when the file is missing or another program has it open. Opened for writing,
    // though nothing writes to it, so that closing it settles what a program that died with
    // the file open left in the engine's log, before anyone opens the file again.
    OpenDatabaseFile(m_pOldCopyDb, m_strPath, TRUE, FALSE);
    if (!CheckOldVersion() || !MakeBackup() || !MakeTemporaryCopy())
        return 0;
    OpenDatabaseFile(NewDatabaseUnderConstruction(), m_strTempPath, TRUE, FALSE);
    m_pTableDef = new CDaoTableDef(m_pOwnDb);
    return 1;
}

int QZDbUpdate::OpenDatabaseFile(CDaoDatabase* database, CString path, BOOL exclusive,
                                 BOOL readOnly) {
    if (database->IsOpen())
        database->Close();
    database->Open(path, exclusive, readOnly, "");
    return 1;
}

// Versions compare as numbers, part by part. A version that cannot be read says nothing about
// the schema the file has, so such a file is not touched.
int QZDbUpdate::CheckOldVersion() {
    int order = 0;
    if (!ReadOldVersion(m_pOldCopyDb) ||
        !QZVersionNumber::Compare(m_strOldVersion, GetExpectedVersion(), &order)) {
        AfxMessageBox(HasSeveralVersionRows(m_pOldCopyDb) ? kSeveralVersionRows
                                                          : kUnreadableVersion,
                      MB_OK, 0);
        return 0;
    }
    if (order > 0) {
        AfxMessageBox(NewerText(), MB_OK, 0);
        return 0;
    }
    return 1;
}

int QZDbUpdate::ReadOldVersion(CDaoDatabase* database) {
    try {
        CDaoTableDef table(database);
        table.Open("Marquill");
        CDBUpdateSet row(database);
        row.Open(dbOpenSnapshot, "Select * from Marquill");
        // With no row, or two that may disagree, the file has no one version (nor DbID) to
        // keep: it is no site database to update, as it is none to open.
        if (row.GetRecordCount() != 1) {
            row.Close();
            return 0;
        }
        m_strOldVersion = row.m_VersionNumber;
        // A production database keeps plain key columns; the test is the connection's own.
        CMarquillSet mark(database);
        mark.m_Miscellaneous = row.m_Miscellaneous;
        mark.TestProductionMark();
        if (mark.m_ProductionFlag)
            m_bAutoNumber = 0;
        row.Close();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        return 0;
    }
    return 1;
}

// Each update leaves a backup of its own, so an earlier one never stands in the way.
int QZDbUpdate::MakeBackup() {
    CString native = m_strPath;
    int number = 1;
    for (; number <= kMaxBackups && PathFileExistsA(BackupPathFor(native, number)); ++number) {
    }
    m_strBackupPath = BackupPathFor(native, number);
    if (number > kMaxBackups || StepFails("Backup") ||
        !CDaoDatabase::CopyDatabaseFile(m_strPath, m_strBackupPath, TRUE)) {
        CString message = "Failed to make a backup copy of the database. Program ABORTED!\n\t"
                          "The backup file could not be made: " +
                          m_strBackupPath;
        return Abandoned(message);
    }
    m_bBackupMade = TRUE;
    return 1;
}

int QZDbUpdate::MakeTemporaryCopy() {
    m_strTempPath = FolderOf(m_strPath) + kTemporaryName;
    if (StepFails("TemporaryCopy") ||
        !CDaoDatabase::CopyDatabaseFile(m_strPath, m_strTempPath, FALSE))
        return Abandoned(kTemporaryFailed);
    return 1;
}

// Both files are closed before the rebuilt copy takes the old one's name: closing settles what
// the engine still holds in its log beside each file, which it can no longer do for a file whose
// name has gone to another. The old file is closed last, so it stays locked against other
// programs until just before the rename.
int QZDbUpdate::ReplaceOriginal() {
    delete m_pTableDef;
    m_pTableDef = nullptr;
    delete m_pQueryDef;
    m_pQueryDef = nullptr;
    m_pOwnDb->Close();
    m_pOldCopyDb->Close();
    if (StepFails("ReplaceDatabase") ||
        !MoveFileExA(m_strTempPath, m_strPath, MOVEFILE_REPLACE_EXISTING))
        return Abandoned(kReplaceFailed);
    m_strTempPath.Empty();
    return updateDone;
}

int QZDbUpdate::Abandoned(LPCTSTR message) {
    if (message)
        AfxMessageBox(message, MB_OK, 0);
    AfxMessageBox("The update was abandoned: the database " + m_strPath + " has not been changed.",
                  MB_OK, 0);
    return updateFailed;
}

// ---- The objects and files of a run

CDaoDatabase* QZDbUpdate::NewDatabaseUnderConstruction() {
    m_pOwnDb = new CDaoDatabase;
    SetDatabaseUnderConstruction(m_pOwnDb);
    return m_pOwnDb;
}

void QZDbUpdate::DiscardRun() {
    // The definitions live on the database under construction: they go first.
    delete m_pTableDef;
    m_pTableDef = nullptr;
    delete m_pQueryDef;
    m_pQueryDef = nullptr;
    FreeDatabases();
}

void QZDbUpdate::FreeDatabases() {
    if (m_pOwnDb && GetDatabaseUnderConstruction() == m_pOwnDb)
        SetDatabaseUnderConstruction(nullptr);
    for (CDaoDatabase** database : {&m_pOwnDb, &m_pOldCopyDb}) {
        delete *database; // closes it when open
        *database = nullptr;
    }
}

// After a failure: the half-built copy goes, and so does the backup, which only repeats the
// unchanged file.
void QZDbUpdate::RemoveWorkFiles() {
    if (!m_strTempPath.IsEmpty())
        DeleteFileA(m_strTempPath);
    m_strTempPath.Empty();
    if (m_bBackupMade)
        DeleteFileA(m_strBackupPath);
    m_bBackupMade = FALSE;
    m_strBackupPath.Empty();
}
