#pragma once
// An image of the site (table Images): its file in the development tree, its size, spacing,
// border and image map. Read-only loads share their row with the image cache.

#include "content/QZVantrelBase.h"
#include "db/CImagesSet.h"

class QZVantrelImage : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelImage)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row from the image cache.
    QZVantrelImage(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, named "Image<n>.gif", in the application's current service and
    // section.
    QZVantrelImage();
    ~QZVantrelImage() override;
    QZVantrelImage& operator=(const QZVantrelImage& other);

    LONG GetImageID() const { return Read(m_Columns.ownId); }
    LONG GetServiceID() const { return Read(m_Columns.serviceId); }
    LONG GetSectionID() const { return Read(m_Columns.sectionId); }
    LONG GetDbID() const { return Read(m_Columns.dbId); }
    LONG GetServiceDbID() const { return Read(m_Columns.serviceDbId); }
    LONG GetSectionDbID() const { return Read(m_Columns.sectionDbId); }
    CString GetImageName() const { return Read(m_Columns.name); }
    CString GetAlternateText() const { return Read(m_Image.alternateText); }
    LONG GetImageFileSize() const { return Read(m_Image.imageFileSize); }
    short GetWidth() const { return Read(m_Image.width); }
    short GetHeight() const { return Read(m_Image.height); }
    BYTE GetHSpace() const { return Read(m_Image.hSpace); }
    BYTE GetVSpace() const { return Read(m_Image.vSpace); }
    CString GetMapFile() const { return Read(m_Image.mapFile); }
    LONG GetBorderWidth() const { return Read(m_Image.borderWidth); }
    CString GetRelativePath() const { return Read(m_Image.relativePath); }
    CString GetMapDirectory() const { return Read(m_Image.mapDirectory); }

    void SetImageID(LONG id) { Write(m_Columns.ownId, id); }
    void SetServiceID(LONG id) { Write(m_Columns.serviceId, id); }
    void SetSectionID(LONG id) { Write(m_Columns.sectionId, id); }
    void SetDbID(LONG dbId) { Write(m_Columns.dbId, dbId); }
    void SetServiceDbID(LONG dbId) { Write(m_Columns.serviceDbId, dbId); }
    void SetSectionDbID(LONG dbId) { Write(m_Columns.sectionDbId, dbId); }
    void SetImageName(const CString& name) { Write(m_Columns.name, name); }
    void SetAlternateText(const CString& text) { Write(m_Image.alternateText, text); }
    void SetDirectory(const CString& directory) { Write(m_Columns.directory, directory); }
    void SetFileName(const CString& fileName) { Write(m_Columns.fileName, fileName); }
    void SetImageFileSize(LONG size) { Write(m_Image.imageFileSize, size); }
    short SetWidth(short width);
    short SetHeight(short height);
    void SetHSpace(BYTE space) { Write(m_Image.hSpace, space); }
    void SetVSpace(BYTE space) { Write(m_Image.vSpace, space); }
    void SetMapFile(const CString& mapFile) { Write(m_Image.mapFile, mapFile); }
    void SetBorderWidth(short width) { Write(m_Image.borderWidth, width); }
    void SetRelativePath(const CString& path) { Write(m_Image.relativePath, path); }
    void SetMapDirectory(const CString& directory) { Write(m_Image.mapDirectory, directory); }

    // "file://" and the native path of the image's file in the local development tree:
    // the service's DevelopPath, the service's, section's and image's directories, the file
    // name.
    CString GetFileURL() const;

    // The Images row; null for a photo, whose row is in PhotoImages.
    CImagesSet* GetRecordset() const { return RowAs<CImagesSet>(); }

protected:
    // The columns of an image that the base does not bind; a photo's row has them too.
    struct ImageColumns {
        CString* alternateText = nullptr;
        LONG* imageFileSize = nullptr;
        short* width = nullptr;
        short* height = nullptr;
        BYTE* hSpace = nullptr;
        BYTE* vSpace = nullptr;
        CString* mapFile = nullptr;
        short* borderWidth = nullptr;
        CString* relativePath = nullptr;
        CString* mapDirectory = nullptr;
    };

    // The image part of a photo; the photo loads its own row.
    explicit QZVantrelImage(SHORT nObjectType);
    template <class Set> void BindImageColumns(Set& set);
    // New rows take the application's current service and section.
    void TakeCurrentServiceAndSection();

    ImageColumns m_Image;
};

template <class Set> void QZVantrelImage::BindImageColumns(Set& set) {
    m_Image.alternateText = FindColumn<CString>(set, "[AlternateText]");
    m_Image.imageFileSize = FindColumn<LONG>(set, "[ImageFileSize]");
    m_Image.width = FindColumn<short>(set, "[Width]");
    m_Image.height = FindColumn<short>(set, "[Height]");
    m_Image.hSpace = FindColumn<BYTE>(set, "[HSpace]");
    m_Image.vSpace = FindColumn<BYTE>(set, "[VSpace]");
    m_Image.mapFile = FindColumn<CString>(set, "[MapFile]");
    m_Image.borderWidth = FindColumn<short>(set, "[BorderWidth]");
    m_Image.relativePath = FindColumn<CString>(set, "[RelativePath]");
    m_Image.mapDirectory = FindColumn<CString>(set, "[MapDirectory]");
}
