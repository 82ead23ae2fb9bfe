#pragma once
// The row of a style (table Styles): the colours and background image that services and
// sections refer to.

#include "db/QZTableSet.h"

class CStylesSet : public QZTableSet<CStylesSet> {
    DECLARE_DYNAMIC(CStylesSet)
public:
    explicit CStylesSet(CDaoDatabase* database);
    ~CStylesSet() override;
    CStylesSet& operator=(const CStylesSet& other) { return Assign(other); }

    static const QZTableDef<CStylesSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CStylesSet::m_ServiceDbID, &CStylesSet::m_ServiceID);
    }
    void SetBackImageKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CStylesSet::m_BackImageDbID, &CStylesSet::m_BackImageID);
    }

    LONG m_DbID = 0;
    LONG m_StyleID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_StyleName;
    LONG m_BackImageDbID = 0;
    LONG m_BackImageID = 0;
    CString m_BackColor;
    CString m_TextColor;
    CString m_LinkColor;
    CString m_UsedLinkColor;
    CString m_ActiveLinkColor;
    COleDateTime m_LastPublished;
    LONG m_WhoPublished = 0;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    BYTE m_Deleted = 0;
    COleDateTime m_LastChanged;
    LONG m_WhoChanged = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_AuthorChangedDbID = 0;

protected:
    void SetNewRowDefaults() override;
};
