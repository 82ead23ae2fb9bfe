#include "db/CScriptSet.h"

IMPLEMENT_DYNAMIC(CScriptSet, QZRecordset)

CScriptSet::CScriptSet(CDaoDatabase* database) : QZTableSet(database) {}

CScriptSet::~CScriptSet() = default;

const QZTableDef<CScriptSet>& CScriptSet::TableDef() {
    using S = CScriptSet;
    static const QZTableDef<S> def{
        .table = "MQ_Script",
        .objectType = OBJ_SCRIPT,
        .keyQuery = "MQ_GetScriptByDbID_ScriptID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_ScriptID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[ScriptID]", &S::m_ScriptID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[Title]", &S::m_Title},
                {"[Language]", &S::m_Language},
                {"[ScriptBody]", &S::m_ScriptBody},
                {"[Type]", &S::m_Type},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[VersionPublished]", &S::m_VersionPublished},
                {"[Deleted]", &S::m_Deleted},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
            },
    };
    return def;
}

void CScriptSet::SetNewRowDefaults() {
    m_ScriptBody = "\r\n//This is where your script code will go.";
}
