#pragma once
// The row of a script (table MQ_Script): script code of a service or section.

#include "db/QZTableSet.h"

class CScriptSet : public QZTableSet<CScriptSet> {
    DECLARE_DYNAMIC(CScriptSet)
public:
    explicit CScriptSet(CDaoDatabase* database);
    ~CScriptSet() override;
    CScriptSet& operator=(const CScriptSet& other) { return Assign(other); }

    static const QZTableDef<CScriptSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CScriptSet::m_ServiceDbID, &CScriptSet::m_ServiceID);
    }
    void SetSectionKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CScriptSet::m_SectionDbID, &CScriptSet::m_SectionID);
    }

    LONG m_DbID = 0;
    LONG m_ScriptID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    LONG m_SectionDbID = 0;
    LONG m_SectionID = 0;
    CString m_Title;
    CString m_Language;
    CString m_ScriptBody;
    CString m_Type;
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
