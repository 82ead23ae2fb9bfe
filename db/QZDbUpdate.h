#pragma once
// Creation and update of a site database: the two runs on a whole file, and the schema they
// make: one creator per table, the typed column helpers and column groups they share, dropping
// a table before it is made anew, the existence tests for tables and stored queries and the
// creator of one stored query.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"

class CDaoRecordset;
class CProgressDlg;
class CStringList;
struct QZColumnDesc;
struct QZTableDesc;

class QZDbUpdate : public CObject {
public:
    QZDbUpdate();
    ~QZDbUpdate() override;

    // Results of UpdateDatabase: updated; failed and told, the file unchanged (the caller may
    // try again); the rows could not be carried over and the user was told not to go on: the
    // caller stops there.
    enum { updateFailed = 0, updateDone = 1, updateStop = -1 };

    // Brings the site database at path (native) up to the expected version. The new schema is built
    // in a copy beside the file, the old rows are copied into it, and it takes the file's place
    // only when every step succeeded; a backup copy of the old file stays beside it. Opening
    // the file (missing, or open elsewhere) raises the engine's exception.
    int UpdateDatabase(CString path, int autoNumber);
    // Makes a new database file (path native) with every table, the stored queries (the first three
    // alone with minimalQueries) and a version row marked "Production". 1; 0 after showing the
    // failure, with no file left at path.
    int CreateNewDatabase(CString path, int minimalQueries, int autoNumber);
    // The version that every update and creation writes, and the newest an update accepts.
    static const CString& GetExpectedVersion();
    // The backup copy that the last successful update left ("" when none).
    const CString& GetBackupPath() const { return m_strBackupPath; }

    // Steps of the two runs.
    int InitDbUpdate();
    // Reads the old version and, for a production database, clears the auto-number flag. 1, or
    // 0 when the version row cannot be read.
    int ReadOldVersion(CDaoDatabase* database);
    // Opens the file (closing the object first); an open failure raises the engine's exception.
    int OpenDatabaseFile(CDaoDatabase* database, CString path, BOOL exclusive, BOOL readOnly);
    // Deletes the stored queries named "MQ_..." or "REM_..."; 1, or 0 after a database error.
    int DeleteQueryDefs(CDaoDatabase* database);
    // A new list, owned by the caller, of the stored query names that DeleteQueryDefs deletes.
    CStringList* CollectQueryNames(CDaoDatabase* database);
    // Copies the rows of every kept table from the old file into the database under
    // construction; 0 at the first table that fails (its error shown).
    int RestoreOriginalData(int includeVersionRow);
    int CopyTable(CString table);
    int CopyRows(CDaoRecordset* source, CDaoRecordset* destination);
    int CreateDatabaseFile(CDaoDatabase* database, CString path);

    // The database that a creation or update run builds: one for the whole process. The run
    // that sets it owns it.
    static CDaoDatabase* GetDatabaseUnderConstruction();
    static void SetDatabaseUnderConstruction(CDaoDatabase* database);

    // Runs the 27 table creators in their fixed order, showing the message of each one that
    // fails and going on with the next. 1 when every table was made, else 0.
    int CreateTables();

    int CreateAuthorsTable();
    int CreateActiveXTable();
    int CreateJavaTable();
    int CreateMediaTable();
    int CreateScriptTable();
    int CreateComponentsInstalledTable();
    int CreateMarquillTable();
    int CreateCurrentUsersTable();
    int CreateDependentsTable();
    int CreateDocumentsTable();
    int CreateDynamicRequestsTable();
    int CreateFormsTable();
    int CreateImagesTable();
    int CreateMessagesTable();
    int CreatePhotoImagesTable();
    int CreateQueryTable();
    int CreateSectionsTable();
    int CreateSemaphorTable();
    int CreateServicesTable();
    int CreateStylesTable();
    int CreateTemplatesTable();
    int CreateEventsTable();
    int CreatePageImpressionsTable();
    int CreateClickThroughsTable();
    int CreateAdvertiserTable();
    int CreateAdTable();
    int CreateAdSpaceTable();

    // Deletes the table of that exact name from the database under construction if it is
    // there; 1, or 0 after a database error.
    int DropTableIfExists(CString tableName);
    // 1 when the database has a table of exactly that name (letter case counts).
    int TableExists(CDaoDatabase* database, CString tableName);
    // 1 when the database has a stored query of that name.
    int QueryDefExists(CDaoDatabase* database, CString queryName);
    // Stores the query, replacing one of the same name; 1, or 0 after a database error.
    int CreateQueryDef(CString queryName, CString sql, CDaoDatabase* database);
    // Makes the stored queries on the database under construction in their order: the first
    // three alone when the minimal-query flag is set, else all of them. 1 when each was made, 0
    // at the first that failed (those before it stay made).
    int CreateQueryDefs();
    // Makes the publish-marking queries, the last of the set; 1, or 0 at the first failure.
    int CreatePublishQueryDefs();

    // Column helpers: each makes one column on the table definition; 1, or 0 when it failed.
    int AddLongField(CString name, CString defaultText, BOOL required);
    int AddZeroLongField(CString name);
    // Auto-numbered when the auto-number flag is set, else a plain Long defaulting to "0".
    int AddKeyIdField(CString name);
    int AddTextField(CString name, LONG size, BOOL required, BOOL allowZeroLength,
                     CString defaultText);
    int AddMemoField(CString name);
    int AddIntegerField(CString name, BOOL required, CString defaultText);
    int AddByteField(CString name, BOOL required, CString defaultText);
    int AddDateField(CString name, CString defaultText);

    // Column groups, each making its columns in their fixed order; 1, or 0 at the first that
    // failed.
    int AddServiceKeyFields();
    int AddSectionKeyFields();
    int AddStyleKeyFields();
    int AddChangedFields();
    int AddPublishedByFields();
    int AddPublishFields(BOOL withVersion);
    int AddDeletedField();

    // Makes database the one under construction and readies the creators to work on it one
    // step at a time, as the runs do for a whole file: a fresh table definition, key columns
    // auto-numbered or not, all the stored queries or the first three. The caller keeps the
    // database and clears it as under construction when done.
    void BeginSchema(CDaoDatabase* database, int autoNumber, int minimalQueries = 0);
    // The table definition the column helpers add to.
    CDaoTableDef* GetTableDef() const { return m_pTableDef; }

private:
    int RunUpdate(CProgressDlg& progress);
    int CheckOldVersion();
    int MakeBackup();
    int MakeTemporaryCopy();
    int ReplaceOriginal();
    int Abandoned(LPCTSTR message);
    void DiscardRun();
    void FreeDatabases();
    void RemoveWorkFiles();
    CDaoDatabase* NewDatabaseUnderConstruction();
    int CreateTable(const QZTableDesc& table);
    int AddColumn(const QZColumnDesc& column);
    int MakeField(const CString& name, short type, LONG size, LONG attributes, BOOL required,
                  BOOL allowZeroLength, const CString& defaultText);
    int AddKeyPair(const char* dbIdName, const char* idName);

    // The state of a run that the creators use; the object frees the table and query
    // definitions.
    CDaoTableDef* m_pTableDef = nullptr;
    CDaoQueryDef* m_pQueryDef = nullptr;
    int m_bAutoNumber = 0;
    int m_bMinimalQueries = 0;

    // During an update: the file being updated, opened exclusively; the source of the rows.
    // Nothing writes to it.
    CDaoDatabase* m_pOldCopyDb = nullptr;
    CString m_strPath;
    // The copy beside the file in which the new schema is built.
    CString m_strTempPath;
    CString m_strBackupPath;
    CString m_strOldVersion;

    // The database under construction when this object made it.
    CDaoDatabase* m_pOwnDb = nullptr;
    BOOL m_bBackupMade = FALSE;
};
