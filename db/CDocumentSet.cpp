#include "db/CDocumentSet.h"

IMPLEMENT_DYNAMIC(CDocumentSet, QZRecordset)

CDocumentSet::CDocumentSet(CDaoDatabase* database) : QZTableSet(database) {}

CDocumentSet::~CDocumentSet() = default;

const QZTableDef<CDocumentSet>& CDocumentSet::TableDef() {
    using S = CDocumentSet;
    static const QZTableDef<S> def{
        .table = "Documents",
        .objectType = OBJ_PAGE,
        .keyQuery = "MQ_GetDocByDbID_DocID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_DocID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[DocID]", &S::m_DocID},
                {"[AuthorGenDbID]", &S::m_AuthorGenDbID},
                {"[StyleDbID]", &S::m_StyleDbID},
                {"[StyleID]", &S::m_StyleID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[SectionSequence]", &S::m_SectionSequence},
                {"[ScriptBody]", &S::m_ScriptBody},
                {"[FileName]", &S::m_FileName},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[LastGenerated]", &S::m_LastGenerated},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[VersionPublished]", &S::m_VersionPublished},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[WhoGenerated]", &S::m_WhoGenerated},
                {"[VersionGenerated]", &S::m_VersionGenerated},
                {"[Dynamic]", &S::m_Dynamic},
                {"[GenerateFlag]", &S::m_GenerateFlag},
                {"[NeverGenerateFlag]", &S::m_NeverGenerateFlag},
                {"[HasFrames]", &S::m_HasFrames},
                {"[AccessControl]", &S::m_AccessControl},
                {"[Deleted]", &S::m_Deleted},
                {"[Title]", &S::m_Title},
                {"[Keywords]", &S::m_Keywords},
                {"[ParametersExpected]", &S::m_ParametersExpected},
                {"[RelativePath]", &S::m_RelativePath},
                {"[Directory]", &S::m_Directory},
                {"[Status]", &S::m_Status},
                {"[Header]", &S::m_Header},
            },
    };
    return def;
}

void CDocumentSet::SetNewRowDefaults() {
    m_FileName.Format("NewPage%ld.html", m_DocID);
    m_ScriptBody = "\r\n//Page text, HTML code, and Marquill commands.";
    m_Header = "\r\n//This is where your special header code will go.";
}
