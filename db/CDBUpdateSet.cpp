#include "db/CDBUpdateSet.h"

#include "db/CVantrelDb.h"

IMPLEMENT_DYNAMIC(CDBUpdateSet, CDaoRecordset)

CDBUpdateSet::CDBUpdateSet(CDaoDatabase* database) : CDaoRecordset(database) {
    m_nFields = static_cast<int>(Columns().size());
    m_nDefaultType = dbOpenDynaset;
}

CDBUpdateSet::~CDBUpdateSet() = default;

const std::vector<QZColumn<CDBUpdateSet>>& CDBUpdateSet::Columns() {
    using S = CDBUpdateSet;
    static const std::vector<QZColumn<S>> columns{
        {"[DbId]", &S::m_DbId},
        {"[VersionNumber]", &S::m_VersionNumber},
        {"[Miscellaneous]", &S::m_Miscellaneous},
    };
    return columns;
}

CString CDBUpdateSet::GetDefaultDBName() {
    return CVantrelDb::DefaultPath();
}

CString CDBUpdateSet::GetDefaultSQL() {
    return "[Marquill]";
}

void CDBUpdateSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    QZExchangeColumns(*this, Columns(), pFX);
}
