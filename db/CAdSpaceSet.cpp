#include "db/CAdSpaceSet.h"

IMPLEMENT_DYNAMIC(CAdSpaceSet, QZRecordset)

CAdSpaceSet::CAdSpaceSet(CDaoDatabase* database) : QZTableSet(database) {}

CAdSpaceSet::~CAdSpaceSet() = default;

const QZTableDef<CAdSpaceSet>& CAdSpaceSet::TableDef() {
    using S = CAdSpaceSet;
    static const QZTableDef<S> def{
        .table = "MQ_AdSpace",
        .objectType = OBJ_ADSPACE,
        .keyQuery = "MQ_GetAdSpaceByDbID_AdSpaceID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_AdSpaceID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[AdSpaceID]", &S::m_AdSpaceID},
                {"[Title]", &S::m_Title},
                {"[DbID1]", &S::m_DbID1},
                {"[AdID1]", &S::m_AdID1},
                {"[DbID2]", &S::m_DbID2},
                {"[AdID2]", &S::m_AdID2},
                {"[DbID3]", &S::m_DbID3},
                {"[AdID3]", &S::m_AdID3},
                {"[DbID4]", &S::m_DbID4},
                {"[AdID4]", &S::m_AdID4},
                {"[DbID5]", &S::m_DbID5},
                {"[AdID5]", &S::m_AdID5},
                {"[DbID6]", &S::m_DbID6},
                {"[AdID6]", &S::m_AdID6},
                {"[DbID7]", &S::m_DbID7},
                {"[AdID7]", &S::m_AdID7},
                {"[DbID8]", &S::m_DbID8},
                {"[AdID8]", &S::m_AdID8},
                {"[DbID9]", &S::m_DbID9},
                {"[AdID9]", &S::m_AdID9},
                {"[DbID10]", &S::m_DbID10},
                {"[AdID10]", &S::m_AdID10},
                {"[AdPercent1]", &S::m_AdPercent1},
                {"[AdPercent2]", &S::m_AdPercent2},
                {"[AdPercent3]", &S::m_AdPercent3},
                {"[AdPercent4]", &S::m_AdPercent4},
                {"[AdPercent5]", &S::m_AdPercent5},
                {"[AdPercent6]", &S::m_AdPercent6},
                {"[AdPercent7]", &S::m_AdPercent7},
                {"[AdPercent8]", &S::m_AdPercent8},
                {"[AdPercent9]", &S::m_AdPercent9},
                {"[AdPercent10]", &S::m_AdPercent10},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[VersionPublished]", &S::m_VersionPublished},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[Deleted]", &S::m_Deleted},
            },
    };
    return def;
}
