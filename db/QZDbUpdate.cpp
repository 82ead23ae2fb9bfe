#include "db/QZDbUpdate.h"

#include "db/QZDbUpdateTables.h"
#include "db/RunOrZero.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoIndexInfo.h"
#include "platform/dao/CaughtDaoError.h"

#include <cstring>
#include <memory>

namespace {

CDaoDatabase* g_databaseUnderConstruction = nullptr;

// Every column of the site database sorts by the general (US English) order.
constexpr LONG kCollatingOrder = dbSortGeneral;

} // namespace

QZDbUpdate::QZDbUpdate() {
    g_databaseUnderConstruction = nullptr;
}

void QZDbUpdate::BeginSchema(CDaoDatabase* database, int autoNumber, int minimalQueries) {
    SetDatabaseUnderConstruction(database);
    delete m_pTableDef;
    m_pTableDef = new CDaoTableDef(database);
    m_bAutoNumber = autoNumber;
    m_bMinimalQueries = minimalQueries;
}

QZDbUpdate::~QZDbUpdate() {
    delete m_pTableDef;
    delete m_pQueryDef;
    FreeDatabases();
}

CDaoDatabase* QZDbUpdate::GetDatabaseUnderConstruction() {
    return g_databaseUnderConstruction;
}

void QZDbUpdate::SetDatabaseUnderConstruction(CDaoDatabase* database) {
    g_databaseUnderConstruction = database;
}

// ---- The driver

int QZDbUpdate::CreateTables() {
    struct Creator {
        int (QZDbUpdate::*create)();
        const char* message;
    };
    static const Creator creators[] = {
        {&QZDbUpdate::CreateAuthorsTable, "Error creating Authors!"},
        {&QZDbUpdate::CreateActiveXTable, "Error creating MQ_ActiveX!"},
        {&QZDbUpdate::CreateJavaTable, "Error creating MQ_Java!"},
        {&QZDbUpdate::CreateMediaTable, "Error creating MQ_Media!"},
        {&QZDbUpdate::CreateScriptTable, "Error creating MQ_Script!"},
        {&QZDbUpdate::CreateComponentsInstalledTable, "Error creating ComponentsInstalled!"},
        {&QZDbUpdate::CreateMarquillTable, "Error creating Marquill!"},
        {&QZDbUpdate::CreateCurrentUsersTable, "Error creating CurrentUsers!"},
        {&QZDbUpdate::CreateDependentsTable, "Error creating Dependents!"},
        {&QZDbUpdate::CreateDocumentsTable, "Error creating Documents!"},
        {&QZDbUpdate::CreateDynamicRequestsTable, "Error creating DynamicRequests!"},
        {&QZDbUpdate::CreateFormsTable, "Error creating Forms!"},
        {&QZDbUpdate::CreateImagesTable, "Error creating Images!"},
        {&QZDbUpdate::CreateMessagesTable, "Error creating Messages!"},
        {&QZDbUpdate::CreatePhotoImagesTable, "Error creating PhotoImages!"},
        {&QZDbUpdate::CreateQueryTable, "Error creating Query!"},
        {&QZDbUpdate::CreateSectionsTable, "Error creating Sections!"},
        {&QZDbUpdate::CreateSemaphorTable, "Error creating Semaphors!"},
        {&QZDbUpdate::CreateServicesTable, "Error creating Services!"},
        {&QZDbUpdate::CreateStylesTable, "Error creating Styles!"},
        {&QZDbUpdate::CreateTemplatesTable, "Error creating Templates!"},
        {&QZDbUpdate::CreateEventsTable, "Error creating Events!"},
        {&QZDbUpdate::CreatePageImpressionsTable, "Error creating MQ_PageImpressions!"},
        {&QZDbUpdate::CreateClickThroughsTable, "Error creating MQ_ClickThroughs!"},
        {&QZDbUpdate::CreateAdvertiserTable, "Error creating MQ_Advertiser!"},
        {&QZDbUpdate::CreateAdTable, "Error creating MQ_Ad!"},
        {&QZDbUpdate::CreateAdSpaceTable, "Error creating MQ_AdSpace!"},
    };
    // A table that could not be made fails the whole step, so that the run that asked for the
    // tables does not go on with a schema that lacks one.
    return RunOrZero([&] {
        int result = 1;
        for (const Creator& creator : creators) {
            if ((this->*creator.create)() == 0) {
                AfxMessageBox(creator.message, MB_OK, 0);
                result = 0;
            }
        }
        return result;
    });
}

// ---- The table creators

int QZDbUpdate::CreateAuthorsTable() {
    return CreateTable(QZDbUpdateTables::Authors());
}
int QZDbUpdate::CreateActiveXTable() {
    return CreateTable(QZDbUpdateTables::ActiveX());
}
int QZDbUpdate::CreateJavaTable() {
    return CreateTable(QZDbUpdateTables::Java());
}
int QZDbUpdate::CreateMediaTable() {
    return CreateTable(QZDbUpdateTables::Media());
}
int QZDbUpdate::CreateScriptTable() {
    return CreateTable(QZDbUpdateTables::Script());
}
int QZDbUpdate::CreateComponentsInstalledTable() {
    return CreateTable(QZDbUpdateTables::ComponentsInstalled());
}
int QZDbUpdate::CreateMarquillTable() {
    return CreateTable(QZDbUpdateTables::Marquill());
}
int QZDbUpdate::CreateCurrentUsersTable() {
    return CreateTable(QZDbUpdateTables::CurrentUsers());
}
int QZDbUpdate::CreateDependentsTable() {
    return CreateTable(QZDbUpdateTables::Dependents());
}
int QZDbUpdate::CreateDocumentsTable() {
    return CreateTable(QZDbUpdateTables::Documents());
}
int QZDbUpdate::CreateDynamicRequestsTable() {
    return CreateTable(QZDbUpdateTables::DynamicRequests());
}
int QZDbUpdate::CreateFormsTable() {
    return CreateTable(QZDbUpdateTables::Forms());
}
int QZDbUpdate::CreateImagesTable() {
    return CreateTable(QZDbUpdateTables::Images());
}
int QZDbUpdate::CreateMessagesTable() {
    return CreateTable(QZDbUpdateTables::Messages());
}
int QZDbUpdate::CreatePhotoImagesTable() {
    return CreateTable(QZDbUpdateTables::PhotoImages());
}
int QZDbUpdate::CreateQueryTable() {
    return CreateTable(QZDbUpdateTables::Query());
}
int QZDbUpdate::CreateSectionsTable() {
    return CreateTable(QZDbUpdateTables::Sections());
}
int QZDbUpdate::CreateSemaphorTable() {
    return CreateTable(QZDbUpdateTables::Semaphor());
}
int QZDbUpdate::CreateServicesTable() {
    return CreateTable(QZDbUpdateTables::Services());
}
int QZDbUpdate::CreateStylesTable() {
    return CreateTable(QZDbUpdateTables::Styles());
}
int QZDbUpdate::CreateTemplatesTable() {
    return CreateTable(QZDbUpdateTables::Templates());
}
int QZDbUpdate::CreateEventsTable() {
    return CreateTable(QZDbUpdateTables::Events());
}
int QZDbUpdate::CreatePageImpressionsTable() {
    return CreateTable(QZDbUpdateTables::PageImpressions());
}
int QZDbUpdate::CreateClickThroughsTable() {
    return CreateTable(QZDbUpdateTables::ClickThroughs());
}
int QZDbUpdate::CreateAdvertiserTable() {
    return CreateTable(QZDbUpdateTables::Advertiser());
}
int QZDbUpdate::CreateAdTable() {
    return CreateTable(QZDbUpdateTables::Ad());
}
int QZDbUpdate::CreateAdSpaceTable() {
    return CreateTable(QZDbUpdateTables::AdSpace());
}

// Drops the old table, makes the columns (the first that fails ends the creator before the
// append, so the table is absent), appends, then makes the indexes. A table whose index cannot
// be made is dropped again: a table without its key would accept duplicate rows.
int QZDbUpdate::CreateTable(const QZTableDesc& table) {
    DropTableIfExists(table.name);
    bool created = RunOrZero([&] {
        if (m_pTableDef->IsOpen())
            m_pTableDef->Close();
        m_pTableDef->Create(table.name, 0, nullptr, nullptr);
    });
    if (!created)
        return 0;
    for (const QZColumnDesc& column : table.columns)
        if (!AddColumn(column))
            return 0;
    if (!RunOrZero([&] { m_pTableDef->Append(); }))
        return 0;
    for (const QZIndexDesc& desc : table.indexes) {
        bool indexed = RunOrZero([&] {
            CDaoIndexInfo index;
            index.m_strName = desc.name;
            auto fields = std::make_unique<CDaoIndexFieldInfo[]>(desc.fields.size());
            for (size_t i = 0; i < desc.fields.size(); ++i) {
                fields[i].m_strName = desc.fields[i];
                fields[i].m_bDescending = FALSE;
            }
            index.m_pFieldInfos = fields.get();
            index.m_nFields = static_cast<short>(desc.fields.size());
            index.m_bPrimary = desc.primary;
            index.m_bUnique = desc.unique;
            index.m_bRequired = desc.required;
            index.m_bClustered = index.m_bIgnoreNulls = index.m_bForeign = FALSE;
            m_pTableDef->CreateIndex(index);
            index.m_pFieldInfos = nullptr;
        });
        if (!indexed) {
            DropTableIfExists(table.name);
            return 0;
        }
    }
    return 1;
}

int QZDbUpdate::AddColumn(const QZColumnDesc& c) {
    switch (c.kind) {
    case QZColumnDesc::Long:
        return AddLongField(c.name, c.defaultText, c.required);
    case QZColumnDesc::ZeroLong:
        return AddZeroLongField(c.name);
    case QZColumnDesc::KeyId:
        return AddKeyIdField(c.name);
    case QZColumnDesc::Text:
        return AddTextField(c.name, c.size, FALSE, TRUE, c.defaultText);
    case QZColumnDesc::Memo:
        return AddMemoField(c.name);
    case QZColumnDesc::Integer:
        return AddIntegerField(c.name, c.required, c.defaultText);
    case QZColumnDesc::Byte:
        return AddByteField(c.name, c.required, c.defaultText);
    case QZColumnDesc::Date:
        return AddDateField(c.name, c.defaultText);
    case QZColumnDesc::ServiceKey:
        return AddServiceKeyFields();
    case QZColumnDesc::SectionKey:
        return AddSectionKeyFields();
    case QZColumnDesc::StyleKey:
        return AddStyleKeyFields();
    case QZColumnDesc::Changed:
        return AddChangedFields();
    case QZColumnDesc::PublishedBy:
        return AddPublishedByFields();
    case QZColumnDesc::Deleted:
        return AddDeletedField();
    case QZColumnDesc::Publish:
        return AddPublishFields(FALSE);
    case QZColumnDesc::PublishWithVersion:
        return AddPublishFields(TRUE);
    }
    return 0;
}

// ---- Existence tests and dropping

int QZDbUpdate::DropTableIfExists(CString tableName) {
    return RunOrZero([&] {
        if (TableExists(g_databaseUnderConstruction, tableName) == 1)
            g_databaseUnderConstruction->DeleteTableDef(tableName);
    });
}

int QZDbUpdate::TableExists(CDaoDatabase* database, CString tableName) {
    return RunOrZero([&] {
        short count = database->GetTableDefCount();
        for (short i = 0; i < count; ++i) {
            CDaoTableDefInfo info;
            database->GetTableDefInfo(i, info, AFX_DAO_PRIMARY_INFO);
            if (std::strcmp(info.m_strName, tableName) == 0)
                return 1;
        }
        return 0;
    });
}

int QZDbUpdate::QueryDefExists(CDaoDatabase* database, CString queryName) {
    return RunOrZero([&] {
        CDaoQueryDefInfo info;
        database->GetQueryDefInfo(queryName, info, AFX_DAO_PRIMARY_INFO);
    });
}

int QZDbUpdate::CreateQueryDef(CString queryName, CString sql, CDaoDatabase* database) {
    return RunOrZero([&] {
        if (!m_pQueryDef)
            m_pQueryDef = new CDaoQueryDef(database);
        if (m_pQueryDef->IsOpen())
            m_pQueryDef->Close();
        if (QueryDefExists(database, queryName))
            database->DeleteQueryDef(queryName);
        m_pQueryDef->Create(queryName, sql);
        m_pQueryDef->Append();
    });
}

// ---- Column helpers

int QZDbUpdate::MakeField(const CString& name, short type, LONG size, LONG attributes,
                          BOOL required, BOOL allowZeroLength, const CString& defaultText) {
    return RunOrZero([&] {
        CDaoFieldInfo info;
        info.m_strName = name;
        info.m_nType = type;
        info.m_lSize = size;
        info.m_lAttributes = attributes;
        info.m_nOrdinalPosition = 0;
        info.m_bRequired = required;
        info.m_bAllowZeroLength = allowZeroLength;
        info.m_lCollatingOrder = kCollatingOrder;
        info.m_strDefaultValue = defaultText;
        m_pTableDef->CreateField(info);
    });
}

int QZDbUpdate::AddLongField(CString name, CString defaultText, BOOL required) {
    return MakeField(name, dbLong, 4, dbFixedField | dbUpdatableField, required, FALSE,
                     defaultText);
}

int QZDbUpdate::AddZeroLongField(CString name) {
    return AddLongField(name, "0", FALSE);
}

int QZDbUpdate::AddKeyIdField(CString name) {
    if (m_bAutoNumber)
        return MakeField(name, dbLong, 4, dbFixedField | dbAutoIncrField | dbUpdatableField, FALSE,
                         FALSE, "");
    return MakeField(name, dbLong, 4, dbFixedField | dbUpdatableField, FALSE, FALSE, "0");
}

int QZDbUpdate::AddTextField(CString name, LONG size, BOOL required, BOOL allowZeroLength,
                             CString defaultText) {
    return MakeField(name, dbText, size, dbVariableField | dbUpdatableField, required,
                     allowZeroLength, defaultText);
}

int QZDbUpdate::AddMemoField(CString name) {
    return MakeField(name, dbMemo, 0, dbVariableField | dbUpdatableField, FALSE, TRUE, "");
}

int QZDbUpdate::AddIntegerField(CString name, BOOL required, CString defaultText) {
    return MakeField(name, dbInteger, 0, dbVariableField | dbUpdatableField, required, FALSE,
                     defaultText);
}

int QZDbUpdate::AddByteField(CString name, BOOL required, CString defaultText) {
    return MakeField(name, dbByte, 1, dbFixedField | dbUpdatableField, required, FALSE,
                     defaultText);
}

int QZDbUpdate::AddDateField(CString name, CString defaultText) {
    return MakeField(name, dbDate, 8, dbUpdatableField, FALSE, FALSE, defaultText);
}

// ---- Column groups

// The key-pair groups show an exception that reaches them with its own report.
int QZDbUpdate::AddKeyPair(const char* dbIdName, const char* idName) {
    try {
        return AddZeroLongField(dbIdName) && AddZeroLongField(idName) ? 1 : 0;
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
    } catch (CMemoryException* e) {
        e->ReportError(MB_OK);
        e->Delete();
    }
    return 0;
}

int QZDbUpdate::AddServiceKeyFields() {
    return AddKeyPair("ServiceDbID", "ServiceID");
}

int QZDbUpdate::AddSectionKeyFields() {
    return AddKeyPair("SectionDbID", "SectionID");
}

int QZDbUpdate::AddStyleKeyFields() {
    return AddKeyPair("StyleDbID", "StyleID");
}

int QZDbUpdate::AddChangedFields() {
    return AddDateField("LastChanged", "Now()") && AddZeroLongField("AuthorChangedDbID") &&
                   AddZeroLongField("WhoChanged")
               ? 1
               : 0;
}

int QZDbUpdate::AddPublishedByFields() {
    return AddZeroLongField("AuthorPublishedDbID") && AddZeroLongField("WhoPublished") ? 1 : 0;
}

int QZDbUpdate::AddPublishFields(BOOL withVersion) {
    if (!AddDateField("LastPublished", "") || !AddByteField("PublishFlag", FALSE, "0") ||
        !AddByteField("NeverPublishFlag", FALSE, "0"))
        return 0;
    if (withVersion && !AddLongField("VersionPublished", "0", FALSE))
        return 0;
    return 1;
}

int QZDbUpdate::AddDeletedField() {
    return AddByteField("Deleted", TRUE, "0");
}
