#include "tests/platform/dao/DaoTestSupport.h"

#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CaughtDaoError.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

LONG DaoErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        return e->GetErrorCount() > 0 ? error.Code() : -1;
    }
    return 0;
}

std::string DaoErrorTextOf(const std::function<void()>& action) {
    try {
        action();
    } catch (CDaoException* e) {
        return CaughtDaoError(e).Message().str();
    }
    return {};
}

namespace {

void AddField(CDaoTableDef& table, const char* name, short type, LONG size, LONG attributes,
              bool required, const char* defaultValue) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = attributes;
    info.m_bRequired = required;
    info.m_bAllowZeroLength = type == dbText || type == dbMemo;
    info.m_lCollatingOrder = dbSortGeneral;
    info.m_strDefaultValue = defaultValue;
    table.CreateField(info);
}

} // namespace

void CreatePeopleTable(CDaoDatabase& database, bool autoNumber) {
    CDaoTableDef table(&database);
    table.Create("People");
    AddField(table, "DbID", dbLong, 4, dbFixedField | dbUpdatableField, false, "0");
    AddField(table, "PersonID", dbLong, 4,
             dbFixedField | dbUpdatableField | (autoNumber ? dbAutoIncrField : 0), false,
             autoNumber ? "" : "0");
    AddField(table, "Name", dbText, 20, dbVariableField | dbUpdatableField, false, "Nobody");
    AddField(table, "Age", dbInteger, 0, dbFixedField | dbUpdatableField, false, "");
    AddField(table, "Flag", dbByte, 1, dbFixedField | dbUpdatableField, true, "0");
    AddField(table, "Born", dbDate, 8, dbUpdatableField, false, "");
    AddField(table, "Notes", dbMemo, 0, dbVariableField | dbUpdatableField, false, "");
    table.Append();
    CDaoIndexFieldInfo fields[2];
    fields[0].m_strName = "DbID";
    fields[1].m_strName = "PersonID";
    CDaoIndexInfo index;
    index.m_strName = "PK_People";
    index.m_pFieldInfos = fields;
    index.m_nFields = 2;
    index.m_bPrimary = index.m_bUnique = index.m_bRequired = TRUE;
    table.CreateIndex(index);
    index.m_pFieldInfos = nullptr;
}

void CreatePeopleDatabase(const std::string& path, bool autoNumber) {
    CDaoDatabase database;
    database.Create(path.c_str());
    CreatePeopleTable(database, autoNumber);
    database.Close();
}

PeopleSet::PeopleSet(CDaoDatabase* database) : CDaoRecordset(database) {
    m_nFields = 7;
    m_nDefaultType = dbOpenDynaset;
}

void PeopleSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[DbID]", m_DbID);
    DFX_Long(pFX, "[PersonID]", m_PersonID);
    DFX_Text(pFX, "[Name]", m_Name);
    DFX_Short(pFX, "[Age]", m_Age);
    DFX_Byte(pFX, "[Flag]", m_Flag);
    DFX_DateTime(pFX, "[Born]", m_Born);
    DFX_Text(pFX, "[Notes]", m_Notes);
}
