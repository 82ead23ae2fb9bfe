#include "db/CSectionsSet.h"

IMPLEMENT_DYNAMIC(CSectionsSet, QZRecordset)

CSectionsSet::CSectionsSet(CDaoDatabase* database) : QZTableSet(database) {}

CSectionsSet::~CSectionsSet() = default;

const QZTableDef<CSectionsSet>& CSectionsSet::TableDef() {
    using S = CSectionsSet;
    static const QZTableDef<S> def{
        .table = "Sections",
        .objectType = OBJ_SECTION,
        .keyQuery = "MQ_GetSectionByDbID_SectionID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_SectionID,
        .columns =
            {
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[DbID]", &S::m_DbID},
                {"[SectionID]", &S::m_SectionID},
                {"[StyleDbID]", &S::m_StyleDbID},
                {"[StyleID]", &S::m_StyleID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[AccessControl]", &S::m_AccessControl},
                {"[Deleted]", &S::m_Deleted},
                {"[SecureCGI]", &S::m_SecureCGI},
                {"[OrderType]", &S::m_OrderType},
                {"[DefaultDocDbID]", &S::m_DefaultDocDbID},
                {"[DefaultDocID]", &S::m_DefaultDocID},
                {"[SectionName]", &S::m_SectionName},
                {"[SectionTitle]", &S::m_SectionTitle},
                {"[BackImage]", &S::m_BackImage},
                {"[LastChanged]", &S::m_LastChanged},
                {"[LastPublished]", &S::m_LastPublished},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[Directory]", &S::m_Directory},
            },
    };
    return def;
}
