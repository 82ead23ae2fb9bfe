#pragma once
// The row of a macro (table Templates): reusable template text of a service.

#include "db/QZTableSet.h"

class CTemplatesSet : public QZTableSet<CTemplatesSet> {
    DECLARE_DYNAMIC(CTemplatesSet)
public:
    explicit CTemplatesSet(CDaoDatabase* database);
    ~CTemplatesSet() override;
    CTemplatesSet& operator=(const CTemplatesSet& other) { return Assign(other); }

    static const QZTableDef<CTemplatesSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CTemplatesSet::m_ServiceDbID, &CTemplatesSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_TemplateID = 0;
    COleDateTime m_LastChanged;
    LONG m_AuthorChangedDbID = 0;
    LONG m_WhoChanged = 0;
    COleDateTime m_LastPublished;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_WhoPublished = 0;
    CString m_TemplateName;
    CString m_ScriptBody;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_ParametersExpected;
    BYTE m_Deleted = 0;

protected:
    void SetNewRowDefaults() override;
};
