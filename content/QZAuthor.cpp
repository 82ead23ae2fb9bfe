#include "content/QZAuthor.h"

IMPLEMENT_DYNAMIC(QZAuthor, QZVantrelBase)

namespace {
constexpr const char* kLoadQuery = "MQ_GetAuthorByDbID_AuthorID";
const QZColumnBinding::Names kColumns{"[AuthorID]", "[AuthorName]"};
} // namespace

QZAuthor::QZAuthor(const QZKeyCombo& key, BOOL bOpen)
    : QZVantrelBase(OBJ_AUTHOR),
      m_pAuthors(std::make_unique<CAuthorsSet>(&GetVantrelApp()->GetVantrelDb())) {
    m_pAuthors->OpenByKey(key, kLoadQuery, 0);
    TakeRow(bOpen);
}

QZAuthor::QZAuthor(const CString& name, BOOL bOpen)
    : QZVantrelBase(OBJ_AUTHOR),
      m_pAuthors(std::make_unique<CAuthorsSet>(&GetVantrelApp()->GetVantrelDb())) {
    m_pAuthors->OpenByName(name, 0);
    TakeRow(bOpen);
}

QZAuthor::~QZAuthor() {
    try {
        if (m_pAuthors->IsOpen()) {
            m_pAuthors->SaveRecord(0);
            m_pAuthors->Close();
        }
    } catch (CException* e) {
        e->Delete();
    }
}

void QZAuthor::TakeRow(BOOL bOpen) {
    m_bEditable = bOpen;
    m_bLoaded = m_pAuthors->IsOpen() && !m_pAuthors->IsBOF() && !m_pAuthors->IsEOF();
    // Edit mode needs a row to edit.
    if (bOpen && m_bLoaded)
        m_pAuthors->Edit();
    m_Columns = BindColumns(*m_pAuthors, kColumns);
    // The author is read only: its Deleted column is changed through the recordset alone.
    m_Columns.deleted = nullptr;
}
