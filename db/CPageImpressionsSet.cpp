#include "db/CPageImpressionsSet.h"

IMPLEMENT_DYNAMIC(CPageImpressionsSet, QZBookkeepingSet)

CPageImpressionsSet::CPageImpressionsSet(CDaoDatabase* database) : QZBookkeepingSet(database) {
    m_nFields = static_cast<int>(Columns().size());
}

CPageImpressionsSet::~CPageImpressionsSet() = default;

const std::vector<QZColumn<CPageImpressionsSet>>& CPageImpressionsSet::Columns() {
    using S = CPageImpressionsSet;
    static const std::vector<QZColumn<S>> columns{
        {"[AdSpaceDbID]", &S::m_AdSpaceDbID}, {"[AdSpaceID]", &S::m_AdSpaceID},
        {"[AdDbID]", &S::m_AdDbID},           {"[AdID]", &S::m_AdID},
        {"[DocDbID]", &S::m_DocDbID},         {"[DocID]", &S::m_DocID},
        {"[WhenPosted]", &S::m_WhenPosted},
    };
    return columns;
}

CString CPageImpressionsSet::GetTableName() {
    return "MQ_PageImpressions";
}

int CPageImpressionsSet::AddNewRecord() {
    OpenOwnTable();
    AddNew();
    return 1;
}

int CPageImpressionsSet::SaveRecord(int) {
    if (GetEditMode() != dbEditNone)
        Update();
    return 1;
}

void CPageImpressionsSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    QZExchangeColumns(*this, Columns(), pFX);
}
