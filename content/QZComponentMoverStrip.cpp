// The installed copy after the objects are copied: the key texts of the component's own tables
// mapped to the new keys, then the standard tables and stored queries removed, so that only
// the own tables stay for the copied queries to use.
#include "content/QZComponentMover.h"

#include "db/CGenericRecordSet.h"
#include "db/QZKeyTable.h"
#include "platform/core/CFileException.h"
#include "platform/core/CMemoryException.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/CaughtDaoError.h"

namespace {

constexpr int kRemapped = 8;
constexpr int kStripped = 6;
constexpr int kStripFailed = 7;

// The standard tables: every table the site schema makes (its request log is
// "MQ_DynamicRequests"; photos are standard too), and the names of older schemas.
const char* const kSiteTables[] = {
    "AUTHORS",
    "MQ_ACTIVEX",
    "MQ_SCRIPT",
    "MQ_JAVA",
    "MQ_MEDIA",
    "MQ_EVENTS",
    "MQ_AD",
    "MQ_ADVERTISER",
    "MQ_ADSPACE",
    "MQ_CLICKTHROUGHS",
    "MQ_PAGEIMPRESSIONS",
    "COMPONENTSINSTALLED",
    "MARQUILL",
    "CURRENTUSERS",
    "DEPENDENTS",
    "DOCUMENTS",
    "DYNAMICREQUESTS",
    "FORMS",
    "IMAGES",
    "MESSAGES",
    "QUERY",
    "SECTIONS",
    "SEMAPHOR",
    "SERVICES",
    "SPONSORS",
    "STYLES",
    "SUBSCRIBERS",
    "TEMPLATES",
    "MQ_DYNAMICREQUESTS",
    "PHOTOIMAGES",
};

struct KeyColumnName {
    const char* part;
    SHORT type;
};

// Tried in this order: a name holding both IMAGEKEY and PAGEKEY is an image key.
const KeyColumnName kKeyColumnNames[] = {
    {"IMAGEKEY", OBJ_IMAGE}, {"FORMKEY", OBJ_FORM},      {"MESSAGEKEY", OBJ_MESSAGE},
    {"QUERYKEY", OBJ_QUERY}, {"TEMPLATEKEY", OBJ_MACRO}, {"PAGEKEY", OBJ_PAGE},
};

// The object type of the keys a column of that name holds; -1 for none.
SHORT KeyTypeOfColumn(CString name) {
    name.MakeUpper();
    for (const KeyColumnName& column : kKeyColumnNames)
        if (name.Find(column.part) >= 0)
            return column.type;
    return -1;
}

enum RemoveOutcome { removedAll, stoppedByEngineError, stoppedByOtherError };

// Deletes every named object with `remove` until an error stops it; the error is freed.
template <typename Remove> RemoveOutcome RemoveEach(QZStringPtrList& names, Remove remove) {
    try {
        for (POSITION position = names.GetHeadPosition(); position != nullptr;)
            remove(*names.GetNext(position));
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        return stoppedByEngineError;
    } catch (CMemoryException* e) {
        e->Delete();
        return stoppedByOtherError;
    } catch (CFileException* e) {
        e->Delete();
        return stoppedByOtherError;
    }
    return removedAll;
}

void DeleteList(QZStringPtrList* list) {
    for (POSITION position = list->GetHeadPosition(); position != nullptr;)
        delete list->GetNext(position);
    delete list;
}

} // namespace

int QZComponentMover::RemapKeyColumns() {
    m_pGenericSet = std::make_unique<CGenericRecordSet>(m_pComponentDb.get());
    // Every own table is searched; a copy without any has nothing to map.
    std::vector<CString> ownTables;
    for (short index = 0; index < GetTableCount(m_pComponentDb.get()); index++) {
        CDaoTableDefInfo info;
        m_pComponentDb->GetTableDefInfo(index, info);
        if (!IsSiteTable(info.m_strName) && !IsSystemTable(info.m_strName))
            ownTables.push_back(info.m_strName);
    }
    for (const CString& name : ownTables)
        RemapTable(name);
    if (m_pGenericSet->IsOpen())
        m_pGenericSet->Close();
    return kRemapped;
}

void QZComponentMover::RemapTable(const CString& name) {
    m_pGenericSet->SetTableName(name);
    int opened = 0;
    if (CatchDaoError([&] { opened = m_pGenericSet->OpenTable(0, dbOpenDynaset, dbConsistent); }) !=
            0 ||
        opened != 1)
        return;
    std::vector<SHORT> types;
    BOOL hasKeys = FALSE;
    for (short field = 0; field < m_pGenericSet->GetFieldCount(); field++) {
        CDaoFieldInfo info;
        m_pGenericSet->GetFieldInfo(field, info);
        types.push_back(KeyTypeOfColumn(info.m_strName));
        hasKeys = hasKeys || types.back() >= 0;
    }
    if (!hasKeys)
        return;
    m_pGenericSet->Edit();
    do {
        for (size_t field = 0; field < types.size(); field++)
            if (types[field] >= 0)
                RemapKeyField(static_cast<SHORT>(field), types[field]);
        m_pGenericSet->Update();
    } while (m_pGenericSet->MoveNextRow(1));
}

void QZComponentMover::RemapKeyField(SHORT field, SHORT type) {
    COleVariant value = m_pGenericSet->GetFieldValue(field);
    if (value.vt != VT_BSTR)
        return;
    QZKeyCombo key(value.bstrVal);
    if (key.m_KeyID == 0)
        return;
    // Only keys of copied objects change: any other text stays exactly as it was written.
    const QZKeyTableEntry* entry = m_pKeyTable->FindEntry(key, type);
    if (entry != nullptr)
        m_pGenericSet->SetFieldValue(field, COleVariant(entry->m_NewKey.FormatFull()));
}

int QZComponentMover::RemoveSiteObjects(CDaoDatabase* db) {
    QZStringPtrList* tables = ListSiteTables(db);
    QZStringPtrList* queries = ListSiteQueries(db);
    // Tables an engine error leaves in place keep the queries too; a memory or file error only
    // ends the tables.
    BOOL removed = RemoveEach(*tables, [&](const CString& name) { db->DeleteTableDef(name); }) !=
                   stoppedByEngineError;
    if (removed)
        removed = RemoveEach(*queries, [&](const CString& name) { db->DeleteQueryDef(name); }) ==
                  removedAll;
    DeleteList(tables);
    DeleteList(queries);
    return removed ? kStripped : kStripFailed;
}

QZStringPtrList* QZComponentMover::ListSiteTables(CDaoDatabase* db) {
    auto* names = new QZStringPtrList;
    for (short index = 0; index < GetTableCount(db); index++) {
        CDaoTableDefInfo info;
        db->GetTableDefInfo(index, info);
        if (IsSiteTable(info.m_strName) && !IsSystemTable(info.m_strName))
            names->AddTail(new CString(info.m_strName));
    }
    return names;
}

QZStringPtrList* QZComponentMover::ListSiteQueries(CDaoDatabase* db) {
    auto* names = new QZStringPtrList;
    for (short index = 0; index < GetQueryCount(db); index++) {
        CDaoQueryDefInfo info;
        db->GetQueryDefInfo(index, info);
        if (IsSiteQuery(info.m_strName))
            names->AddTail(new CString(info.m_strName));
    }
    return names;
}

BOOL QZComponentMover::IsSiteTable(const CString& name) {
    CString upper = name;
    upper.MakeUpper();
    for (const char* table : kSiteTables)
        if (upper == table)
            return TRUE;
    return FALSE;
}

BOOL QZComponentMover::IsSystemTable(const CString& name) {
    return name.Left(4) == "MSys";
}

BOOL QZComponentMover::IsSiteQuery(const CString& name) {
    return name.GetLength() > 3 && (name.Left(3) == "MQ_" || name.Left(4) == "REM_");
}

short QZComponentMover::GetTableCount(CDaoDatabase* db) {
    return db->GetTableDefCount();
}

short QZComponentMover::GetQueryCount(CDaoDatabase* db) {
    return db->GetQueryDefCount();
}
