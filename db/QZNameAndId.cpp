#include "db/QZNameAndId.h"

IMPLEMENT_SERIAL(QZNameAndId, CObject, 1)

QZNameAndId::QZNameAndId() : m_Id(0) {}

QZNameAndId::QZNameAndId(LPCTSTR name, LONG id) : m_Id(id), m_Name(name) {}

QZNameAndId::~QZNameAndId() = default;

void QZNameAndId::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_Name << m_Id;
    else
        ar >> m_Name >> m_Id;
}
