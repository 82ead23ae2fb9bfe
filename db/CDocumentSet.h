#pragma once
// The row of a page (table Documents): its text, header, file name, flags and the keys of its
// service, section and style.

#include "db/QZTableSet.h"

class CDocumentSet : public QZTableSet<CDocumentSet> {
    DECLARE_DYNAMIC(CDocumentSet)
public:
    explicit CDocumentSet(CDaoDatabase* database);
    ~CDocumentSet() override;
    CDocumentSet& operator=(const CDocumentSet& other) { return Assign(other); }

    static const QZTableDef<CDocumentSet>& TableDef();

    QZKeyCombo& GetSectionKey() {
        return FillScratchKey(&CDocumentSet::m_SectionDbID, &CDocumentSet::m_SectionID);
    }
    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CDocumentSet::m_ServiceDbID, &CDocumentSet::m_ServiceID);
    }
    void SetSectionKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CDocumentSet::m_SectionDbID, &CDocumentSet::m_SectionID);
    }
    void SetStyleKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CDocumentSet::m_StyleDbID, &CDocumentSet::m_StyleID);
    }

    LONG m_DbID = 0;
    LONG m_DocID = 0;
    LONG m_AuthorGenDbID = 0;
    LONG m_StyleDbID = 0;
    LONG m_StyleID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    LONG m_SectionSequence = 0;
    CString m_ScriptBody;
    CString m_FileName;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    COleDateTime m_LastGenerated;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    LONG m_VersionPublished = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    LONG m_WhoGenerated = 0;
    LONG m_VersionGenerated = 0;
    BYTE m_Dynamic = 0;
    BYTE m_GenerateFlag = 0;
    BYTE m_NeverGenerateFlag = 0;
    BYTE m_HasFrames = 0;
    BYTE m_AccessControl = 0;
    BYTE m_Deleted = 0;
    CString m_Title;
    CString m_Keywords;
    CString m_ParametersExpected;
    CString m_RelativePath;
    CString m_Directory;
    BYTE m_Status = 0;
    CString m_Header;

protected:
    void SetNewRowDefaults() override;
};
