#pragma once
// The row of an ActiveX object (table MQ_ActiveX): its class id, data and placement.

#include "db/QZTableSet.h"

class CActiveXSet : public QZTableSet<CActiveXSet> {
    DECLARE_DYNAMIC(CActiveXSet)
public:
    explicit CActiveXSet(CDaoDatabase* database);
    ~CActiveXSet() override;
    CActiveXSet& operator=(const CActiveXSet& other) { return Assign(other); }

    static const QZTableDef<CActiveXSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CActiveXSet::m_ServiceDbID, &CActiveXSet::m_ServiceID);
    }
    void SetSectionKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CActiveXSet::m_SectionDbID, &CActiveXSet::m_SectionID);
    }

    LONG m_DbID = 0;
    LONG m_ObjectID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    CString m_ClassID;
    CString m_Name;
    CString m_Title;
    CString m_Data;
    CString m_DataType;
    LONG m_Border = 0;
    short m_Height = 0;
    short m_Width = 0;
    BYTE m_HSpace = 0;
    BYTE m_VSpace = 0;
    BYTE m_NoTab = 0;
    BYTE m_Shapes = 0;
    CString m_StandBy;
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
