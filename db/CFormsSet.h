#pragma once
// The row of a form (table Forms): its page text and the action commands it runs.

#include "db/QZTableSet.h"

class CFormsSet : public QZTableSet<CFormsSet> {
    DECLARE_DYNAMIC(CFormsSet)
public:
    explicit CFormsSet(CDaoDatabase* database);
    ~CFormsSet() override;
    CFormsSet& operator=(const CFormsSet& other) { return Assign(other); }

    static const QZTableDef<CFormsSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CFormsSet::m_ServiceDbID, &CFormsSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_FormID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_ParametersExpected;
    CString m_ScriptBody;
    CString m_ActionBody;
    BYTE m_Deleted = 0;
    CString m_Title;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;

protected:
    void SetNewRowDefaults() override;
};
