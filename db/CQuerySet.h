#pragma once
// The row of a stored client query (table Query): its SQL and the client database it runs on.

#include "db/QZTableSet.h"

class CQuerySet : public QZTableSet<CQuerySet> {
    DECLARE_DYNAMIC(CQuerySet)
public:
    explicit CQuerySet(CDaoDatabase* database);
    ~CQuerySet() override;
    CQuerySet& operator=(const CQuerySet& other) { return Assign(other); }

    static const QZTableDef<CQuerySet>& TableDef();

    void SetServiceKey(const QZKeyCombo& key) {
        SetKeyPair(key, &CQuerySet::m_ServiceDbID, &CQuerySet::m_ServiceID);
    }

    LONG m_DbID = 0;
    LONG m_QueryID = 0;
    LONG m_ServiceDbID = 0;
    LONG m_ServiceID = 0;
    CString m_QueryName;
    CString m_SQLName;
    CString m_SQLCode;
    CString m_ParametersExpected;
    CString m_DSN;
    CString m_DatabaseName;
    CString m_ClientsProdDb;
    COleDateTime m_LastChanged;
    COleDateTime m_LastPublished;
    LONG m_WhoChanged = 0;
    LONG m_WhoPublished = 0;
    BYTE m_PublishFlag = 0;
    BYTE m_NeverPublishFlag = 0;
    BYTE m_Deleted = 0;
    LONG m_AuthorPublishedDbID = 0;
    LONG m_AuthorChangedDbID = 0;
    BYTE m_QueryType = 0;

protected:
    void SetNewRowDefaults() override;
};
