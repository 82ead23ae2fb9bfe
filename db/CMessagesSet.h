#pragma once
// The row of an e-mail message (table Messages): its header lines and its body text.

#include "db/QZTableSet.h"

class CMessagesSet : public QZTableSet<CMessagesSet> {
    DECLARE_DYNAMIC(CMessagesSet)
public:
    explicit CMessagesSet(CDaoDatabase* database);
    ~CMessagesSet() override;
    CMessagesSet& operator=(const CMessagesSet& other) { return Assign(other); }

    static const QZTableDef<CMessagesSet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CMessagesSet::m_ServiceDbID, &CMessagesSet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_MessageID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_Body;
    CString m_Title;
    CString m_ToLine;
    CString m_CcLine;
    CString m_SubjectLine;
    CString m_FromLine;
    CString m_ReplyTo;
    CString m_Parameters;
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
