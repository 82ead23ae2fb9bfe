#include "tests/db/TestAuthorRowSet.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoErrors.h"

TestAuthorRowSet::TestAuthorRowSet(CDaoDatabase* database) : QZRecordset(database) {
    m_nFields = 6;
    m_nDefaultType = dbOpenDynaset;
}

int TestAuthorRowSet::AddNewRecord(int flag) {
    int result = QZRecordset::AddNewRecord(flag);
    m_DbID = m_SetDbID;
    m_AuthorName = "New Author";
    return result;
}

void TestAuthorRowSet::CopyFields(QZRecordset* other) {
    auto* from = static_cast<TestAuthorRowSet*>(other);
    m_DbID = from->m_DbID;
    if (m_bCopyOwnId)
        m_AuthorID = from->m_AuthorID;
    m_AuthorPassword = from->m_AuthorPassword;
    m_Active = from->m_Active;
    m_Deleted = from->m_Deleted;
    m_AuthorName = from->m_AuthorName;
}

QZKeyCombo& TestAuthorRowSet::GetKey() {
    m_Scratch.SetKey(m_DbID, m_AuthorID);
    return m_Scratch;
}

void TestAuthorRowSet::RunOnce(std::function<void()>& hook) {
    if (hook) {
        auto action = std::move(hook);
        hook = nullptr;
        action();
    }
}

void TestAuthorRowSet::Open(CDaoQueryDef* pQueryDef, int nOpenType, int nOptions) {
    RunOnce(m_beforeOpen);
    QZRecordset::Open(pQueryDef, nOpenType, nOptions);
}

void TestAuthorRowSet::Edit() {
    if (m_editRefusals > 0) {
        --m_editRefusals;
        CDaoException::Throw(daoErrLocked, "The row is locked by another program.");
    }
    QZRecordset::Edit();
    RunOnce(m_afterEdit);
}

SHORT TestAuthorRowSet::GetObjectType() {
    RunOnce(m_onObjectType);
    return OBJ_AUTHOR;
}

void TestAuthorRowSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[DbID]", m_DbID);
    DFX_Long(pFX, "[AuthorID]", m_AuthorID);
    DFX_Text(pFX, "[AuthorPassword]", m_AuthorPassword);
    DFX_Byte(pFX, "[Active]", m_Active);
    DFX_Byte(pFX, "[Deleted]", m_Deleted);
    DFX_Text(pFX, "[AuthorName]", m_AuthorName);
}
