#include "db/CAuthorsSet.h"

#include "db/QZApplication.h"
#include "db/QZParameterQuery.h"

IMPLEMENT_DYNAMIC(CAuthorsSet, QZBookkeepingSet)

namespace {
constexpr const char* kByName = "PARAMETERS argAuthorName Text; SELECT * FROM Authors WHERE "
                                "AuthorName = [argAuthorName];";
} // namespace

CAuthorsSet::CAuthorsSet(CDaoDatabase* database) : QZBookkeepingSet(database) {
    m_nFields = static_cast<int>(Columns().size());
}

CAuthorsSet::~CAuthorsSet() = default;

const std::vector<QZColumn<CAuthorsSet>>& CAuthorsSet::Columns() {
    using S = CAuthorsSet;
    static const std::vector<QZColumn<S>> columns{
        {"[AuthorID]", &S::m_AuthorID},     {"[DbID]", &S::m_DbID},
        {"[AuthorName]", &S::m_AuthorName}, {"[AuthorPassword]", &S::m_AuthorPassword},
        {"[Active]", &S::m_Active},         {"[Deleted]", &S::m_Deleted},
    };
    return columns;
}

CString CAuthorsSet::GetTableName() {
    return "Authors";
}

int CAuthorsSet::AddNewRecord(int) {
    OpenOwnTable();
    AddNew();
    // The row carries its DbID from its first write: a row nobody saves is still somebody's.
    m_DbID = GetVantrelApp()->GetDbID();
    Update();
    SetBookmark(GetLastModifiedBookmark());
    Edit();
    return 1;
}

QZKeyCombo& CAuthorsSet::GetKey() {
    m_Key.SetKey(m_DbID, m_AuthorID);
    return m_Key;
}

int CAuthorsSet::OpenByKey(const QZKeyCombo& key, CString queryName, int edit) {
    return OpenByKeyQuery(key, queryName, edit);
}

int CAuthorsSet::OpenByName(CString name, int edit) {
    OpenWithTextParameters(*this, *m_pQuery, kByName, {name});
    if (edit)
        Edit();
    return 1;
}

int CAuthorsSet::SaveRecord(int reEdit) {
    if (GetEditMode() != dbEditNone) {
        Update();
        SetBookmark(GetLastModifiedBookmark());
    }
    if (reEdit)
        Edit();
    return 1;
}

void CAuthorsSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    QZExchangeColumns(*this, Columns(), pFX);
}
