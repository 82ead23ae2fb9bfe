#include "db/CStylesSet.h"

IMPLEMENT_DYNAMIC(CStylesSet, QZRecordset)

CStylesSet::CStylesSet(CDaoDatabase* database) : QZTableSet(database) {}

CStylesSet::~CStylesSet() = default;

const QZTableDef<CStylesSet>& CStylesSet::TableDef() {
    using S = CStylesSet;
    static const QZTableDef<S> def{
        .table = "Styles",
        .objectType = OBJ_STYLE,
        .keyQuery = "MQ_GetStyleByDbID_StyleID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_StyleID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[StyleID]", &S::m_StyleID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[StyleName]", &S::m_StyleName},
                {"[BackImageDbID]", &S::m_BackImageDbID},
                {"[BackImageID]", &S::m_BackImageID},
                {"[BackColor]", &S::m_BackColor},
                {"[TextColor]", &S::m_TextColor},
                {"[LinkColor]", &S::m_LinkColor},
                {"[UsedLinkColor]", &S::m_UsedLinkColor},
                {"[ActiveLinkColor]", &S::m_ActiveLinkColor},
                {"[LastPublished]", &S::m_LastPublished},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[Deleted]", &S::m_Deleted},
                {"[LastChanged]", &S::m_LastChanged},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
            },
    };
    return def;
}

void CStylesSet::SetNewRowDefaults() {
    m_BackColor = "FFFFFF";
    m_TextColor = "000000";
    m_LinkColor = "0000FF";
    m_UsedLinkColor = "770077";
    m_ActiveLinkColor = "FF0000";
}
