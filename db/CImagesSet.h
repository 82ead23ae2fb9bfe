#pragma once
// The row of an image (table Images): its file, size, map and the keys of its service and
// section.

#include "db/QZTableSet.h"

class CImagesSet : public QZTableSet<CImagesSet> {
    DECLARE_DYNAMIC(CImagesSet)
public:
    explicit CImagesSet(CDaoDatabase* database);
    ~CImagesSet() override;
    CImagesSet& operator=(const CImagesSet& other) { return Assign(other); }

    static const QZTableDef<CImagesSet>& TableDef();

    QZKeyCombo& GetSectionKey() {
        return FillScratchKey(&CImagesSet::m_SectionDbID, &CImagesSet::m_SectionID);
    }
    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CImagesSet::m_ServiceDbID, &CImagesSet::m_ServiceID);
    }
    void SetSectionKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CImagesSet::m_SectionDbID, &CImagesSet::m_SectionID);
    }

    LONG m_DbID = 0;
    LONG m_ImageID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    CString m_Name;
    CString m_AlternateText;
    CString m_Directory;
    CString m_FileName;
    LONG m_ImageFileSize = 0;
    short m_Width = 0;
    short m_Height = 0;
    CString m_MapFile;
    short m_BorderWidth = 0;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    CString m_RelativePath;
    BYTE m_HSpace = 0;
    BYTE m_VSpace = 0;
    CString m_MapDirectory;
    BYTE m_Deleted = 0;

protected:
    void SetNewRowDefaults() override;
};
