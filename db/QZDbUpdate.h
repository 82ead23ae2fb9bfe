#pragma once
// Creation and update of a site database's schema: one creator per table, the typed column
// helpers and column groups they share, dropping a table before it is made anew, the existence
// tests for tables and stored queries and the creator of one stored query.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"

struct QZColumnDesc;
struct QZTableDesc;

class QZDbUpdate : public CObject {
public:
    QZDbUpdate();
    ~QZDbUpdate() override;

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

    // The state of a run that the creators use; the run (or a test) sets it up. The update
    // object frees the table and query definitions.
    CDaoTableDef* m_pTableDef;
    CDaoQueryDef* m_pQueryDef;
    int m_bAutoNumber;
    int m_bMinimalQueries = 0;

private:
    int CreateTable(const QZTableDesc& table);
    int AddColumn(const QZColumnDesc& column);
    int MakeField(const CString& name, short type, LONG size, LONG attributes, BOOL required,
                  BOOL allowZeroLength, const CString& defaultText);
    int AddKeyPair(const char* dbIdName, const char* idName);
};
