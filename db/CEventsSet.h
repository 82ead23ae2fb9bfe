#pragma once
// The row of a scheduled event (table MQ_Events): its commands and when they run.

#include "db/QZTableSet.h"

class CEventsSet : public QZTableSet<CEventsSet> {
    DECLARE_DYNAMIC(CEventsSet)
public:
    explicit CEventsSet(CDaoDatabase* database);
    ~CEventsSet() override;
    CEventsSet& operator=(const CEventsSet& other) { return Assign(other); }

    static const QZTableDef<CEventsSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CEventsSet::m_ServiceDbID, &CEventsSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_EventID = 0;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    LONG m_VersionPublished = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    CString m_Title;
    CString m_ScriptBody;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    BYTE m_Deleted = 0;
    BYTE m_Occurrence = 0;
    COleDateTime m_StartDate;
    COleDateTime m_EndDate;
    BYTE m_NoEndDate = 0;
    BYTE m_DayRepeat = 0;
    BYTE m_CycleRepeat = 0;
    COleDateTime m_RunTime;
    BYTE m_DailyFrequency = 0;
    COleDateTime m_DailyStartTime;
    COleDateTime m_DailyEndTime;
    short m_FrequencyMinutes = 0;
    BYTE m_AbsoluteDay = 0;
    BYTE m_OrdinalDay = 0;
    BYTE m_DayOfWeek = 0;
    COleDateTime m_LastExecuted;
};
