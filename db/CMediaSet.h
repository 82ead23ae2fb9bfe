#pragma once
// The row of a multimedia object (table MQ_Media): its file and the keys of its service and
// section.

#include "db/QZTableSet.h"

class CMediaSet : public QZTableSet<CMediaSet> {
    DECLARE_DYNAMIC(CMediaSet)
public:
    explicit CMediaSet(CDaoDatabase* database);
    ~CMediaSet() override;
    CMediaSet& operator=(const CMediaSet& other) { return Assign(other); }

    static const QZTableDef<CMediaSet>& TableDef();

    QZKeyCombo& GetSectionKey() {
        return FillScratchKey(&CMediaSet::m_SectionDbID, &CMediaSet::m_SectionID);
    }
    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CMediaSet::m_ServiceDbID, &CMediaSet::m_ServiceID);
    }
    void SetSectionKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CMediaSet::m_SectionDbID, &CMediaSet::m_SectionID);
    }

    LONG m_DbID = 0;
    LONG m_MediaID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    CString m_Title;
    CString m_FileName;
    CString m_Directory;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    LONG m_VersionPublished = 0;
    BYTE m_Deleted = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;

protected:
    void SetNewRowDefaults() override;
};
