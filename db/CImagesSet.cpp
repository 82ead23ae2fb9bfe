#include "db/CImagesSet.h"

IMPLEMENT_DYNAMIC(CImagesSet, QZRecordset)

CImagesSet::CImagesSet(CDaoDatabase* database) : QZTableSet(database) {}

CImagesSet::~CImagesSet() = default;

const QZTableDef<CImagesSet>& CImagesSet::TableDef() {
    using S = CImagesSet;
    static const QZTableDef<S> def{
        .table = "Images",
        .objectType = OBJ_IMAGE,
        .keyQuery = "MQ_GetImageByDbID_ImageID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_ImageID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[ImageID]", &S::m_ImageID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[Name]", &S::m_Name},
                {"[AlternateText]", &S::m_AlternateText},
                {"[Directory]", &S::m_Directory},
                {"[FileName]", &S::m_FileName},
                {"[ImageFileSize]", &S::m_ImageFileSize},
                {"[Width]", &S::m_Width},
                {"[Height]", &S::m_Height},
                {"[MapFile]", &S::m_MapFile},
                {"[BorderWidth]", &S::m_BorderWidth},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[RelativePath]", &S::m_RelativePath},
                {"[HSpace]", &S::m_HSpace},
                {"[VSpace]", &S::m_VSpace},
                {"[MapDirectory]", &S::m_MapDirectory},
                {"[Deleted]", &S::m_Deleted},
            },
    };
    return def;
}

void CImagesSet::SetNewRowDefaults() {
    m_FileName.Format("Image%ld.gif", m_ImageID);
}
