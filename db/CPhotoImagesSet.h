#pragma once
// The row of a photo (table PhotoImages): the picture, its thumbnail and its press details.

#include "db/QZTableSet.h"

class CPhotoImagesSet : public QZTableSet<CPhotoImagesSet> {
    DECLARE_DYNAMIC(CPhotoImagesSet)
public:
    explicit CPhotoImagesSet(CDaoDatabase* database);
    ~CPhotoImagesSet() override;
    CPhotoImagesSet& operator=(const CPhotoImagesSet& other) { return Assign(other); }

    static const QZTableDef<CPhotoImagesSet>& TableDef();

    LONG m_DbID = 0;
    LONG m_PhotoID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    CString m_Name;
    CString m_Thumbnail;
    CString m_Directory;
    CString m_ThumbnailFileName;
    CString m_FileName;
    LONG m_ImageFileSize = 0;
    short m_ThumbnailWidth = 0;
    short m_ThumbnailHeight = 0;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    CString m_Keywords;
    CString m_Photographer;
    CString m_Bureau;
    CString m_Caption;
    CString m_Location;
    COleDateTime m_DateTaken;
    CString m_Copyright;
    CString m_Overline;
    COleDateTime m_DateTransmitted;
    CString m_AlternateText;
    short m_Width = 0;
    short m_Height = 0;
    CString m_MapFile;
    short m_BorderWidth = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    CString m_RelativePath;
    BYTE m_HSpace = 0;
    BYTE m_VSpace = 0;
    CString m_MapDirectory;
    BYTE m_Deleted = 0;
    CString m_Credits;
};
