#pragma once
// The row of an ad (table MQ_Ad): its picture, link, run dates and advertiser.

#include "db/QZTableSet.h"

class CAdSet : public QZTableSet<CAdSet> {
    DECLARE_DYNAMIC(CAdSet)
public:
    explicit CAdSet(CDaoDatabase* database);
    ~CAdSet() override;
    CAdSet& operator=(const CAdSet& other) { return Assign(other); }

    static const QZTableDef<CAdSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CAdSet::m_ServiceDbID, &CAdSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_AdID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_Title;
    COleDateTime m_StartDate;
    COleDateTime m_EndDate;
    LONG m_ImageDbID = 0;
    LONG m_ImageID = 0;
    CString m_AdURL;
    LONG m_AdvertiserDbID = 0;
    LONG m_AdvertiserID = 0;
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
