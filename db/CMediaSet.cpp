#include "db/CMediaSet.h"

IMPLEMENT_DYNAMIC(CMediaSet, QZRecordset)

CMediaSet::CMediaSet(CDaoDatabase* database) : QZTableSet(database) {}

CMediaSet::~CMediaSet() = default;

const QZTableDef<CMediaSet>& CMediaSet::TableDef() {
    using S = CMediaSet;
    static const QZTableDef<S> def{
        .table = "MQ_Media",
        .objectType = OBJ_MEDIA,
        .keyQuery = "MQ_GetMediaByDbID_MediaID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_MediaID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[MediaID]", &S::m_MediaID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[Title]", &S::m_Title},
                {"[FileName]", &S::m_FileName},
                {"[Directory]", &S::m_Directory},
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

void CMediaSet::SetNewRowDefaults() {
    m_FileName.Format("Media Object%ld.wav", m_MediaID);
}
