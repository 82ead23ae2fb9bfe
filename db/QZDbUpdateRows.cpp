// The parts of an update that carry the old file's contents over: the stored queries that the
// new set replaces, and the rows of every kept table, copied column by column by name.

#include "db/QZDbUpdate.h"
#include "db/RunOrZero.h"
#include "platform/core/CStringList.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The tables whose rows an update keeps, in the order they are copied. Semaphor is not among
// them: while the file is open exclusively no program runs that could hold a claim, so every
// claim in it is left over.
const char* const kKeptTables[] = {
    "Authors",       "MQ_ActiveX",         "MQ_Ad",
    "MQ_Advertiser", "MQ_AdSpace",         "MQ_ClickThroughs",
    "MQ_Java",       "MQ_Media",           "MQ_PageImpressions",
    "MQ_Script",     "MQ_Events",          "ComponentsInstalled",
    "Marquill",      "CurrentUsers",       "Dependents",
    "Documents",     "MQ_DynamicRequests", "Forms",
    "Images",        "Messages",           "PhotoImages",
    "Query",         "Sections",           "Services",
    "Styles",        "Templates",
};

// TRUE when the recordset has a field of that name.
BOOL HasField(CDaoRecordset* set, const CString& name) {
    try {
        CDaoFieldInfo info;
        set->GetFieldInfo(name, info);
        return TRUE;
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        if (error.Code() != daoErrItemNotFound)
            throw error.Release();
        return FALSE;
    }
}

} // namespace

int QZDbUpdate::DeleteQueryDefs(CDaoDatabase* database) {
    return RunOrZero([&] {
        std::unique_ptr<CStringList> names(CollectQueryNames(database));
        for (POSITION pos = names->GetHeadPosition(); pos;)
            database->DeleteQueryDef(names->GetNext(pos));
    });
}

// The names are all gathered before the first deletion, which would shift the indexes.
CStringList* QZDbUpdate::CollectQueryNames(CDaoDatabase* database) {
    auto names = std::make_unique<CStringList>();
    short count = database->GetQueryDefCount();
    for (short i = 0; i < count; ++i) {
        CDaoQueryDefInfo info;
        database->GetQueryDefInfo(i, info, AFX_DAO_PRIMARY_INFO);
        const char* name = info.m_strName;
        if (std::strncmp(name, "REM_", 4) == 0 || std::strncmp(name, "MQ_", 3) == 0)
            names->AddTail(info.m_strName);
    }
    return names.release();
}

int QZDbUpdate::RestoreOriginalData(int includeVersionRow) {
    for (const char* table : kKeptTables) {
        if (!includeVersionRow && std::strcmp(table, "Marquill") == 0)
            continue;
        if (!CopyTable(table))
            return 0;
    }
    return 1;
}

int QZDbUpdate::CopyTable(CString table) {
    if (!TableExists(m_pOldCopyDb, table))
        return 1;
    CDaoDatabase* target = GetDatabaseUnderConstruction();
    try {
        CDaoTableDef sourceTable(m_pOldCopyDb);
        sourceTable.Open(table);
        CDaoTableDef targetTable(target);
        targetTable.Open(table);
        CDaoRecordset source(m_pOldCopyDb);
        source.Open(&sourceTable, dbOpenTable, dbReadOnly);
        CDaoRecordset destination(target);
        destination.Open(&targetTable, dbOpenTable, dbConsistent);
        int result = CopyRows(&source, &destination);
        destination.Close();
        source.Close();
        return result;
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
        return 0;
    }
}

// A column only the old table has is left behind; one only the new table has takes its
// default; every other value, key numbers included, is copied as it is.
int QZDbUpdate::CopyRows(CDaoRecordset* source, CDaoRecordset* destination) {
    try {
        if (source->IsBOF())
            return 1;
        std::vector<std::pair<short, CString>> fields;
        short count = source->GetFieldCount();
        for (short i = 0; i < count; ++i) {
            CDaoFieldInfo info;
            source->GetFieldInfo(i, info);
            if (HasField(destination, info.m_strName))
                fields.emplace_back(i, info.m_strName);
        }
        for (; !source->IsEOF(); source->MoveNext()) {
            destination->AddNew();
            for (const auto& [index, name] : fields)
                destination->SetFieldValue(name, source->GetFieldValue(index));
            destination->Update();
        }
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
        return 0;
    }
    return 1;
}
