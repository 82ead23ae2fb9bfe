#include "db/DBF_CMarquillSet.h"

#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"

#include <memory>

IMPLEMENT_DYNAMIC(DBF_CMarquillSet, CDaoRecordset)

DBF_CMarquillSet::DBF_CMarquillSet(CDaoDatabase* database)
    : CDaoRecordset(database), m_DbID(0), m_pDb(database) {
    m_nFields = 3;
    m_nDefaultType = dbOpenDynaset;
}

DBF_CMarquillSet::~DBF_CMarquillSet() {
    if (IsOpen())
        Close();
}

CString DBF_CMarquillSet::GetTableName() {
    return "Marquill";
}

int DBF_CMarquillSet::SetVersion(const CString& version) {
    auto query = std::make_unique<CDaoQueryDef>(m_pDb);
    query->Open("MQ_GetDbID");
    Open(query.get(), dbOpenDynaset, dbConsistent);
    if (IsBOF() && IsEOF())
        AddNew();
    else
        Edit();
    m_VersionNumber = version;
    Update();
    return 1;
}

int DBF_CMarquillSet::AddProductionRow(const CString& version) {
    auto table = std::make_unique<CDaoTableDef>(m_pDb);
    table->Open(GetTableName());
    Open(table.get(), dbOpenDynaset, dbConsistent);
    if (IsBOF() && IsEOF())
        AddNew();
    else
        Edit();
    m_VersionNumber = version;
    m_Miscellaneous = "Production";
    Update();
    table->Close();
    return 1;
}

void DBF_CMarquillSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[DbID]", m_DbID);
    DFX_Text(pFX, "[VersionNumber]", m_VersionNumber, 255);
    DFX_Text(pFX, "[Miscellaneous]", m_Miscellaneous, 255);
}
