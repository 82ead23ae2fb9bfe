#pragma once
// The row of a section of a service (table Sections): its names, style, default page and
// access settings.

#include "db/QZTableSet.h"

class CSectionsSet : public QZTableSet<CSectionsSet> {
    DECLARE_DYNAMIC(CSectionsSet)
public:
    explicit CSectionsSet(CDaoDatabase* database);
    ~CSectionsSet() override;
    CSectionsSet& operator=(const CSectionsSet& other) { return Assign(other); }

    static const QZTableDef<CSectionsSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CSectionsSet::m_ServiceDbID, &CSectionsSet::m_ServiceID);
    }
    void SetStyleKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CSectionsSet::m_StyleDbID, &CSectionsSet::m_StyleID);
    }
    void SetDefaultDocKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CSectionsSet::m_DefaultDocDbID, &CSectionsSet::m_DefaultDocID);
    }

    LONG m_AuthorChangedDbID = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_DbID = 0;
    LONG m_SectionID = 0;
    LONG m_StyleDbID = 0;
    LONG m_StyleID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    BYTE m_AccessControl = 0;
    BYTE m_Deleted = 0;
    BYTE m_SecureCGI = 0;
    short m_OrderType = 0;
    LONG m_DefaultDocDbID = 0;
    LONG m_DefaultDocID = 0;
    CString m_SectionName;
    CString m_SectionTitle;
    CString m_BackImage;
    COleDateTime m_LastChanged;
    COleDateTime m_LastPublished;
    LONG m_WhoChanged = 0;
    LONG m_WhoPublished = 0;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    CString m_Directory;
};
