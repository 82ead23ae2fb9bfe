#include "db/CPhotoImagesSet.h"

IMPLEMENT_DYNAMIC(CPhotoImagesSet, QZRecordset)

CPhotoImagesSet::CPhotoImagesSet(CDaoDatabase* database) : QZTableSet(database) {}

CPhotoImagesSet::~CPhotoImagesSet() = default;

const QZTableDef<CPhotoImagesSet>& CPhotoImagesSet::TableDef() {
    using S = CPhotoImagesSet;
    static const QZTableDef<S> def{
        .table = "PhotoImages",
        .objectType = OBJ_PHOTO,
        .keyQuery = "MQ_GetPhotoByDbID_PhotoID",
        .dbId = &S::m_DbID,
        .ownId = &S::m_PhotoID,
        .columns =
            {
                {"[DbID]", &S::m_DbID},
                {"[PhotoID]", &S::m_PhotoID},
                {"[ServiceDbID]", &S::m_ServiceDbID},
                {"[ServiceID]", &S::m_ServiceID},
                {"[SectionDbID]", &S::m_SectionDbID},
                {"[SectionID]", &S::m_SectionID},
                {"[Name]", &S::m_Name},
                {"[Thumbnail]", &S::m_Thumbnail},
                {"[Directory]", &S::m_Directory},
                {"[ThumbnailFileName]", &S::m_ThumbnailFileName},
                {"[FileName]", &S::m_FileName},
                {"[ImageFileSize]", &S::m_ImageFileSize},
                {"[ThumbnailWidth]", &S::m_ThumbnailWidth},
                {"[ThumbnailHeight]", &S::m_ThumbnailHeight},
                {"[LastChanged]", &S::m_LastChanged},
                {"[AuthorChangedDbID]", &S::m_AuthorChangedDbID},
                {"[WhoChanged]", &S::m_WhoChanged},
                {"[Keywords]", &S::m_Keywords},
                {"[Photographer]", &S::m_Photographer},
                {"[Bureau]", &S::m_Bureau},
                {"[Caption]", &S::m_Caption},
                {"[Location]", &S::m_Location},
                {"[DateTaken]", &S::m_DateTaken},
                {"[Copyright]", &S::m_Copyright},
                {"[Overline]", &S::m_Overline},
                {"[DateTransmitted]", &S::m_DateTransmitted},
                {"[AlternateText]", &S::m_AlternateText},
                {"[Width]", &S::m_Width},
                {"[Height]", &S::m_Height},
                {"[MapFile]", &S::m_MapFile},
                {"[BorderWidth]", &S::m_BorderWidth},
                {"[AuthorPublishedDbID]", &S::m_AuthorPublishedDbID},
                {"[WhoPublished]", &S::m_WhoPublished},
                {"[LastPublished]", &S::m_LastPublished},
                {"[PublishFlag]", &S::m_PublishFlag},
                {"[NeverPublishFlag]", &S::m_NeverPublishFlag},
                {"[RelativePath]", &S::m_RelativePath},
                {"[HSpace]", &S::m_HSpace},
                {"[VSpace]", &S::m_VSpace},
                {"[MapDirectory]", &S::m_MapDirectory},
                {"[Deleted]", &S::m_Deleted},
                {"[Credits]", &S::m_Credits},
            },
    };
    return def;
}
