#include "content/QZServiceLookups.h"

#include "content/QZLocalPath.h"
#include "db/CAuthorsSet.h"
#include "db/CSectionsSet.h"
#include "db/CServicesSet.h"
#include "db/QZApplication.h"

namespace {

// Opens the row of `key` in the table of Set without a claim and hands it to `read`; nothing
// is read when there is no row.
template <class Set, class Read> void ReadRow(const QZKeyCombo& key, Read read) {
    Set set(&GetVantrelApp()->GetVantrelDb());
    if (set.OpenByKey(key, Set::GetKeyQueryName(), 0) == QZRecordset::openFound)
        read(set);
    set.CloseQueryAndSet();
}

CString ServiceText(const QZKeyCombo& key, CString CServicesSet::*column) {
    CString value;
    ReadRow<CServicesSet>(key, [&](CServicesSet& set) { value = set.*column; });
    return value;
}

CString SectionDirectory(const QZKeyCombo& key) {
    CString value;
    ReadRow<CSectionsSet>(key, [&](CSectionsSet& set) { value = set.m_Directory; });
    return value;
}

} // namespace

CString GetServiceDirectory(const QZKeyCombo& serviceKey, const QZKeyCombo&) {
    return ServiceText(serviceKey, &CServicesSet::m_Directory);
}

CString GetServiceDevelopPath(const QZKeyCombo& serviceKey) {
    return ServiceText(serviceKey, &CServicesSet::m_DevelopPath);
}

CString GetServiceProductionPath(const QZKeyCombo& serviceKey) {
    return ServiceText(serviceKey, &CServicesSet::m_ProductionPath);
}

CString GetServiceClientsDb(const QZKeyCombo& serviceKey) {
    return ServiceText(serviceKey, &CServicesSet::m_ClientsDb);
}

CString GetServiceClientsProdDb(const QZKeyCombo& serviceKey) {
    return ServiceText(serviceKey, &CServicesSet::m_ClientsProdDb);
}

CString GetServiceSectionDirectory(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey) {
    return JoinLocalPath(ServiceText(serviceKey, &CServicesSet::m_Directory),
                         SectionDirectory(sectionKey));
}

CString GetSectionDevelopPath(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey) {
    CString root;
    CString directory;
    ReadRow<CServicesSet>(serviceKey, [&](CServicesSet& set) {
        root = set.m_DevelopPath;
        directory = set.m_Directory;
    });
    return JoinLocalPath(JoinLocalPath(root, directory), SectionDirectory(sectionKey));
}

CString GetAuthorName(const QZKeyCombo& authorKey) {
    CAuthorsSet set(&GetVantrelApp()->GetVantrelDb());
    set.OpenByKey(authorKey, "MQ_GetAuthorByDbID_AuthorID", 0);
    CString name;
    if (set.IsOpen() && !set.IsBOF() && !set.IsEOF())
        name = set.m_AuthorName;
    set.Close();
    return name;
}
