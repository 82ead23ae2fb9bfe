#include "db/CAdSet.h"

IMPLEMENT_DYNAMIC(CAdSet, QZRecordset)

CAdSet::CAdSet(CDaoDatabase* database) : QZTableSet(database) {}

CAdSet::~CAdSet() = default;

const QZTableDef<CAdSet>& CAdSet::TableDef() {
    using S = CAdSet;
    static const QZTableDef<S> def{
        .table = "MQ_Ad",
        .objectType = OBJ_AD,
        .keyQuery = "MQ_GetAdByDbID_AdID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_AdID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[AdID]", &S::m_AdID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[Title]", &S::m_Title},
                {"[StartDate]", &S::m_StartDate},
                {"[EndDate]", &S::m_EndDate},
                {"[ImageDbID]", &S::m_ImageDbID},
                {"[ImageID]", &S::m_ImageID},
                {"[AdURL]", &S::m_AdURL},
                {"[AdvertiserDbID]", &S::m_AdvertiserDbID},
                {"[AdvertiserID]", &S::m_AdvertiserID},
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
