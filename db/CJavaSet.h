#pragma once
// The row of a Java applet (table MQ_Java): its code, code base and placement.

#include "db/QZTableSet.h"

class CJavaSet : public QZTableSet<CJavaSet> {
    DECLARE_DYNAMIC(CJavaSet)
public:
    explicit CJavaSet(CDaoDatabase* database);
    ~CJavaSet() override;
    CJavaSet& operator=(const CJavaSet& other) { return Assign(other); }

    static const QZTableDef<CJavaSet>& TableDef();

    QZKeyCombo& GetSectionKey() {
        return FillScratchKey(&CJavaSet::m_SectionDbID, &CJavaSet::m_SectionID);
    }
    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CJavaSet::m_ServiceDbID, &CJavaSet::m_ServiceID);
    }
    void SetSectionKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CJavaSet::m_SectionDbID, &CJavaSet::m_SectionID);
    }

    LONG m_DbID = 0;
    LONG m_JavaID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    CString m_Directory;
    CString m_Title;
    CString m_Code;
    CString m_AlternateText;
    short m_Height = 0;
    short m_Width = 0;
    BYTE m_HSpace = 0;
    BYTE m_VSpace = 0;
    short m_Download = 0;
    CString m_CodeBase;
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
};
