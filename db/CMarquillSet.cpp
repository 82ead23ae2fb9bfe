#include "db/CMarquillSet.h"

#include <memory>

IMPLEMENT_DYNAMIC(CMarquillSet, QZRecordset)

CMarquillSet::CMarquillSet(CDaoDatabase* database)
    : QZRecordset(database), m_ProductionFlag(0), m_DbID(0) {
    m_nFields = 3;
    m_nDefaultType = dbOpenDynaset;
}

CMarquillSet::~CMarquillSet() = default;

CString CMarquillSet::GetTableName() {
    return "Marquill";
}

SHORT CMarquillSet::GetObjectType() {
    return OBJ_NONE;
}

int CMarquillSet::ReadVersion(LONG* outDbID, CString* outVersion, int* outProduction) {
    *outDbID = 0;
    auto query = std::make_unique<CDaoQueryDef>(m_pDatabase);
    query->Open("MQ_GetDbID");
    Open(query.get(), dbOpenDynaset, dbReadOnly);
    // The DbID is the database's identity: with no row, or two that may disagree, there is
    // none to read.
    if (IsBOF() && IsEOF())
        return 0;
    MoveNext();
    BOOL single = IsEOF();
    MoveFirst();
    if (!single)
        return 0;
    *outDbID = m_DbID;
    *outVersion = m_VersionNumber;
    TestProductionMark();
    *outProduction = m_ProductionFlag;
    return 1;
}

void CMarquillSet::TestProductionMark() {
    CString mark = m_Miscellaneous;
    mark.MakeUpper();
    m_ProductionFlag = mark == "PRODUCTION" ? 1 : 0;
}

int CMarquillSet::RewriteRecord() {
    // The version row has no own-ID column: all three columns are written.
    return RewriteAllFields(nullptr);
}

void CMarquillSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[DbID]", m_DbID);
    DFX_Text(pFX, "[VersionNumber]", m_VersionNumber, 255);
    DFX_Text(pFX, "[Miscellaneous]", m_Miscellaneous, 255);
}
