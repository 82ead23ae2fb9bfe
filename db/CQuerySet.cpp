#include "db/CQuerySet.h"

IMPLEMENT_DYNAMIC(CQuerySet, QZRecordset)

CQuerySet::CQuerySet(CDaoDatabase* database) : QZTableSet(database) {}

CQuerySet::~CQuerySet() = default;

const QZTableDef<CQuerySet>& CQuerySet::TableDef() {
    using S = CQuerySet;
    static const QZTableDef<S> def{
        .table = "Query",
        .objectType = OBJ_QUERY,
        .keyQuery = "MQ_GetQueryByDbID_QueryID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_QueryID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[QueryID]", &S::m_QueryID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[QueryName]", &S::m_QueryName},
                {"[SQLName]", &S::m_SQLName},
                {"[SQLCode]", &S::m_SQLCode},
                {"[ParametersExpected]", &S::m_ParametersExpected},
                {"[DSN]", &S::m_DSN},
                {"[DatabaseName]", &S::m_DatabaseName},
                {"[ClientsProdDb]", &S::m_ClientsProdDb},
                {"[LastChanged]", &S::m_LastChanged},
                {"[LastPublished]", &S::m_LastPublished},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[Deleted]", &S::m_Deleted},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[QueryType]", &S::m_QueryType},
            },
    };
    return def;
}

void CQuerySet::SetNewRowDefaults() {
    m_ClientsProdDb.Empty();
}
