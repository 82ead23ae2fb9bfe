#include "db/CFormsSet.h"

IMPLEMENT_DYNAMIC(CFormsSet, QZRecordset)

CFormsSet::CFormsSet(CDaoDatabase* database) : QZTableSet(database) {}

CFormsSet::~CFormsSet() = default;

const QZTableDef<CFormsSet>& CFormsSet::TableDef() {
    using S = CFormsSet;
    static const QZTableDef<S> def{
        .table = "Forms",
        .objectType = OBJ_FORM,
        .keyQuery = "MQ_GetFormByDbID_FormID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_FormID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[FormID]", &S::m_FormID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[ParametersExpected]", &S::m_ParametersExpected},
                {"[ScriptBody]", &S::m_ScriptBody},
                {"[ActionBody]", &S::m_ActionBody},
                {"[Deleted]", &S::m_Deleted},
                {"[Title]", &S::m_Title},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
            },
    };
    return def;
}

void CFormsSet::SetNewRowDefaults() {
    m_ScriptBody = "\r\n//Page text, HTML code, and Marquill commands.";
    m_ActionBody = "\r\n//Marquill action commands.";
}
