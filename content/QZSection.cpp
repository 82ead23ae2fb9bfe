#include "content/QZSection.h"

#include "content/QZService.h"
#include "db/QZRecordsetCaches.h"

IMPLEMENT_DYNAMIC(QZSection, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[SectionID]", "[SectionTitle]"};
} // namespace

QZSection::QZSection(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_SECTION) {
    LoadRow<CSectionsSet>(key, bOpen, &g_SectionsCache, kColumns);
    BindOwnKeyAsSectionKey();
}

QZSection::QZSection() : QZVantrelBase(OBJ_SECTION) {
    AddNewRow<CSectionsSet>(kColumns);
    BindOwnKeyAsSectionKey();
    SetServiceKey(CurrentServiceKey());
    QZService service(GetServiceKey(), FALSE);
    SetStyleKey(service.GetStyleKey());
}

QZSection::~QZSection() = default;

QZSection& QZSection::operator=(const QZSection& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

QZKeyCombo QZSection::GetDefaultDocKey() const {
    const CSectionsSet* row = GetRecordset();
    return QZKeyCombo(row->m_DefaultDocDbID, row->m_DefaultDocID, OBJ_PAGE);
}

void QZSection::SetDefaultDocKey(LONG dbId, LONG id) {
    GetRecordset()->m_DefaultDocDbID = dbId;
    GetRecordset()->m_DefaultDocID = id;
}

void QZSection::SetSectionName(const CString& name) {
    GetRecordset()->m_SectionName = name;
}

void QZSection::SetSectionTitle(const CString& title) {
    GetRecordset()->m_SectionTitle = title;
}

void QZSection::SetDirectory(const CString& directory) {
    GetRecordset()->m_Directory = directory;
}

void QZSection::BindOwnKeyAsSectionKey() {
    m_Columns.sectionDbId = m_Columns.dbId;
    m_Columns.sectionId = m_Columns.ownId;
}
