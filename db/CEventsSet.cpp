#include "db/CEventsSet.h"

IMPLEMENT_DYNAMIC(CEventsSet, QZRecordset)

CEventsSet::CEventsSet(CDaoDatabase* database) : QZTableSet(database) {}

CEventsSet::~CEventsSet() = default;

const QZTableDef<CEventsSet>& CEventsSet::TableDef() {
    using S = CEventsSet;
    static const QZTableDef<S> def{
        .table = "MQ_Events",
        .objectType = OBJ_EVENT,
        .keyQuery = "MQ_GetEventByDbID_EventID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_EventID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[EventID]", &S::m_EventID},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[VersionPublished]", &S::m_VersionPublished},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[Title]", &S::m_Title},
                {"[ScriptBody]", &S::m_ScriptBody},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[Deleted]", &S::m_Deleted},
                {"[Occurrence]", &S::m_Occurrence},
                {"[StartDate]", &S::m_StartDate},
                {"[EndDate]", &S::m_EndDate},
                {"[NoEndDate]", &S::m_NoEndDate},
                {"[DayRepeat]", &S::m_DayRepeat},
                {"[CycleRepeat]", &S::m_CycleRepeat},
                {"[RunTime]", &S::m_RunTime},
                {"[DailyFrequency]", &S::m_DailyFrequency},
                {"[DailyStartTime]", &S::m_DailyStartTime},
                {"[DailyEndTime]", &S::m_DailyEndTime},
                {"[FrequencyMinutes]", &S::m_FrequencyMinutes},
                {"[AbsoluteDay]", &S::m_AbsoluteDay},
                {"[OrdinalDay]", &S::m_OrdinalDay},
                {"[DayOfWeek]", &S::m_DayOfWeek},
                {"[LastExecuted]", &S::m_LastExecuted},
            },
    };
    return def;
}
