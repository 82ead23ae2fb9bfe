#pragma once
// The row of an ad space (table MQ_AdSpace): a place on a page that rotates the ads of its ten
// slots (DbIDn, AdIDn) by their percent weights (AdPercentn).

#include "db/QZTableSet.h"

class CAdSpaceSet : public QZTableSet<CAdSpaceSet> {
    DECLARE_DYNAMIC(CAdSpaceSet)
public:
    explicit CAdSpaceSet(CDaoDatabase* database);
    ~CAdSpaceSet() override;
    CAdSpaceSet& operator=(const CAdSpaceSet& other) { return Assign(other); }

    static const QZTableDef<CAdSpaceSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CAdSpaceSet::m_ServiceDbID, &CAdSpaceSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_AdSpaceID = 0;
    CString m_Title;
    LONG m_DbID1 = 0;
    LONG m_AdID1 = 0;
    LONG m_DbID2 = 0;
    LONG m_AdID2 = 0;
    LONG m_DbID3 = 0;
    LONG m_AdID3 = 0;
    LONG m_DbID4 = 0;
    LONG m_AdID4 = 0;
    LONG m_DbID5 = 0;
    LONG m_AdID5 = 0;
    LONG m_DbID6 = 0;
    LONG m_AdID6 = 0;
    LONG m_DbID7 = 0;
    LONG m_AdID7 = 0;
    LONG m_DbID8 = 0;
    LONG m_AdID8 = 0;
    LONG m_DbID9 = 0;
    LONG m_AdID9 = 0;
    LONG m_DbID10 = 0;
    LONG m_AdID10 = 0;
    BYTE m_AdPercent1 = 0;
    BYTE m_AdPercent2 = 0;
    BYTE m_AdPercent3 = 0;
    BYTE m_AdPercent4 = 0;
    BYTE m_AdPercent5 = 0;
    BYTE m_AdPercent6 = 0;
    BYTE m_AdPercent7 = 0;
    BYTE m_AdPercent8 = 0;
    BYTE m_AdPercent9 = 0;
    BYTE m_AdPercent10 = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
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
