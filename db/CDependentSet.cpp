#include "db/CDependentSet.h"

#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"

IMPLEMENT_DYNAMIC(CDependentSet, QZBookkeepingSet)

CDependentSet::CDependentSet(CDaoDatabase* database) : QZBookkeepingSet(database) {
    m_nFields = static_cast<int>(Columns().size());
}

CDependentSet::~CDependentSet() = default;

const std::vector<QZColumn<CDependentSet>>& CDependentSet::Columns() {
    using S = CDependentSet;
    static const std::vector<QZColumn<S>> columns{
        {"[ObjDbID]", &S::m_ObjDbID},     {"[ObjKeyID]", &S::m_ObjKeyID},
        {"[ObjTypeID]", &S::m_ObjTypeID}, {"[UseDbID]", &S::m_UseDbID},
        {"[UseKeyID]", &S::m_UseKeyID},   {"[UseTypeID]", &S::m_UseTypeID},
    };
    return columns;
}

CString CDependentSet::GetTableName() {
    return "Dependents";
}

int CDependentSet::AddNewRecord(int) {
    try {
        OpenOwnTable();
        AddNew();
        return 1;
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
        return 0;
    }
}

int CDependentSet::OpenByKey(const QZKeyCombo& key, CString queryName, int edit) {
    return OpenByKeyQuery(key, queryName, edit);
}

int CDependentSet::SaveRecord(int) {
    if (GetEditMode() != dbEditNone)
        Update();
    return 1;
}

void CDependentSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    QZExchangeColumns(*this, Columns(), pFX);
}
