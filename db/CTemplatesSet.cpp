#include "db/CTemplatesSet.h"

IMPLEMENT_DYNAMIC(CTemplatesSet, QZRecordset)

CTemplatesSet::CTemplatesSet(CDaoDatabase* database) : QZTableSet(database) {}

CTemplatesSet::~CTemplatesSet() = default;

const QZTableDef<CTemplatesSet>& CTemplatesSet::TableDef() {
    using S = CTemplatesSet;
    static const QZTableDef<S> def{
        .table = "Templates",
        .objectType = OBJ_MACRO,
        .keyQuery = "MQ_GetTemplateByDbID_TemplateID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_TemplateID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[TemplateID]", &S::m_TemplateID},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[TemplateName]", &S::m_TemplateName},
                {"[ScriptBody]", &S::m_ScriptBody},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[ParametersExpected]", &S::m_ParametersExpected},
                {"[Deleted]", &S::m_Deleted},
            },
    };
    return def;
}

void CTemplatesSet::SetNewRowDefaults() {
    m_ScriptBody = "\r\n//This is where your html code will go.";
    m_TemplateName = "New Macro";
}
