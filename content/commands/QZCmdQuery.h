#pragma once
// <<query key, dbname="...">> body <<firstrow>> ... <</firstrow>> body <<norows>> ...
// <</query>>: opens the rows of a stored query object and runs the body once for every row,
// with the row's fields, "[rowcount]" and "[rownumber]" visible to it; the firstrow block runs
// once before the rows, the norows block instead of them when there are none. The query object
// is built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCommandBase.h"

#include <memory>

class QZQueryExprContext;
class QZSymbol;
class QZVantrelQuery;

class QZCmdQuery : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdQuery)
public:
    QZCmdQuery(QZVantrelContext* context, const CString& arguments);
    ~QZCmdQuery() override;

    static CString GetSkeleton();

    // The opening; in modes other than 1 and 2 also the bodies and the closing.
    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }
    // The query property dialog: the new opening on OK, empty on Cancel; the bodies stay.
    CString EditProperties() override;
    // Evaluates the parameters and opens the query object of the key; TRUE when one stands
    // ready. Reports a missing or unknown key and a query that cannot be opened.
    virtual BOOL CheckParameters();

    QZVantrelStmtContext* GetSection(Section section) override;
    void KeepWord(int token, const CString& text) override;

    const QZKeyCombo& GetQueryKey() const { return m_queryKey; }
    void SetQueryKey(const QZKeyCombo& key) { m_queryKey = key; }
    // The parameter text after the key, as the property dialog edits it.
    const CString& GetRest() const { return m_rest; }
    void SetRest(const CString& rest) { m_rest = rest; }
    const CString& GetDbName() const { return m_dbName; }

private:
    QZQueryExprContext* QueryContext() const;
    // The bodies over the rows of the open query.
    void RunRows();

    QZKeyCombo m_queryKey;
    std::unique_ptr<QZVantrelQuery> m_pQuery;
    std::unique_ptr<QZVantrelStmtContext> m_pRowBody;
    std::unique_ptr<QZVantrelStmtContext> m_pAfterFirstRow;
    std::unique_ptr<QZVantrelStmtContext> m_pNoRows;
    std::unique_ptr<QZVantrelStmtContext> m_pFirstRow;
    CString m_dbName;
    QZSymbol* m_pKeyEntry = nullptr;
    CString m_rest;
    BOOL m_bClosed = FALSE;
};
