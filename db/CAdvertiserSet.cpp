#include "db/CAdvertiserSet.h"

IMPLEMENT_DYNAMIC(CAdvertiserSet, QZRecordset)

CAdvertiserSet::CAdvertiserSet(CDaoDatabase* database) : QZTableSet(database) {}

CAdvertiserSet::~CAdvertiserSet() = default;

const QZTableDef<CAdvertiserSet>& CAdvertiserSet::TableDef() {
    using S = CAdvertiserSet;
    static const QZTableDef<S> def{
        .table = "MQ_Advertiser",
        .objectType = OBJ_ADVERTISER,
        .keyQuery = "MQ_GetAdvertiserByDbID_AdvertiserID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_AdvertiserID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[AdvertiserID]", &S::m_AdvertiserID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[BusinessName]", &S::m_BusinessName},
                {"[ContactFirstName]", &S::m_ContactFirstName},
                {"[ContactLastName]", &S::m_ContactLastName},
                {"[Email]", &S::m_Email},
                {"[Phone]", &S::m_Phone},
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
