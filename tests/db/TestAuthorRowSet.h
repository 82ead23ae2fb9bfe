#pragma once
// An object recordset over Authors written to the per-table contract, so that the recordset
// base can be driven on a real table with an auto-numbered key.

#include "db/QZRecordset.h"

#include <functional>

class TestAuthorRowSet : public QZRecordset {
public:
    explicit TestAuthorRowSet(CDaoDatabase* database);

    int AddNewRecord(int flag) override;
    void CopyFields(QZRecordset* other) override;
    QZKeyCombo& GetKey() override;
    CString GetTableName() override { return "Authors"; }
    SHORT GetObjectType() override;
    int RewriteRecord() override { return RewriteAllFields(&m_AuthorID); }
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Hooks that fake engine errors: each runs once at its place and is then cleared.
    std::function<void()> m_beforeOpen;   // in Open on a query, before the base opens
    std::function<void()> m_afterEdit;    // in Edit, after the base has reloaded the row
    std::function<void()> m_onObjectType; // in GetObjectType
    // Edit refuses this many times with the engine's "row locked" error first.
    int m_editRefusals = 0;

    void Open(CDaoQueryDef* pQueryDef, int nOpenType, int nOptions) override;
    using QZRecordset::Open;
    void Edit() override;

    LONG m_DbID = 0;
    LONG m_AuthorID = 0;
    CString m_AuthorPassword;
    BYTE m_Active = 0;
    BYTE m_Deleted = 0;
    CString m_AuthorName;

private:
    static void RunOnce(std::function<void()>& hook);

    QZKeyCombo m_Scratch;
};
