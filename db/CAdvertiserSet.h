#pragma once
// The row of an advertiser (table MQ_Advertiser): who places ads, and how to reach them.

#include "db/QZTableSet.h"

class CAdvertiserSet : public QZTableSet<CAdvertiserSet> {
    DECLARE_DYNAMIC(CAdvertiserSet)
public:
    explicit CAdvertiserSet(CDaoDatabase* database);
    ~CAdvertiserSet() override;
    CAdvertiserSet& operator=(const CAdvertiserSet& other) { return Assign(other); }

    static const QZTableDef<CAdvertiserSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CAdvertiserSet::m_ServiceDbID, &CAdvertiserSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_AdvertiserID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_BusinessName;
    CString m_ContactFirstName;
    CString m_ContactLastName;
    CString m_Email;
    CString m_Phone;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    LONG m_VersionPublished = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    BYTE m_Deleted = 0;
};
