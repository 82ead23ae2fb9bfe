#pragma once
// A query object (table Query): names a table or a stored query of a site's data database (the
// site owner's own rows, not the site database) and the development and production files of
// that database, where an empty name stands for the service's own setting. The query command
// builds one at run time to open the rows and walk them, with "[rowcount]" and "[rownumber]"
// for its body; the query editor asks it for the fields and parameters.

#include "content/QZVantrelBase.h"
#include "db/CQuerySet.h"
#include "platform/core/CPtrList.h"
#include "template/expressions/QZQueryRowSource.h"

#include <memory>

class CClientQuerySet;
class CDaoDatabase;
class QZVantrelContext;
class SymbolTable;

class QZVantrelQuery : public QZVantrelBase, public QZQueryRowSource {
    DECLARE_DYNAMIC(QZVantrelQuery)
public:
    // The stored row of the key: with bOpen claimed (a read-only copy when another user holds
    // it), else without a claim. Not loaded until rows are opened.
    QZVantrelQuery(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service.
    QZVantrelQuery();
    // The query command's run-time object: the stored row of the key, its data database (the
    // production file while the site database's production-output switch is on) and its rows,
    // with parameters from the variables seen from `context` and "[rowcount]" defined in the
    // context's own row table. `databaseName` plays no part. A key without a row leaves the
    // object not loaded; a database or query that cannot be opened throws the engine's
    // exception after everything made is freed.
    QZVantrelQuery(const CString& databaseName, const QZKeyCombo& key, int mode,
                   QZVantrelContext* context);
    ~QZVantrelQuery() override;
    QZVantrelQuery& operator=(const QZVantrelQuery& other);

    // TRUE only while the object holds its stored row and open rows.
    BOOL IsLoaded() const override;

    // The first row: 1 when there is one ("[rownumber]" then 1), else 0.
    int MoveFirstRow();
    // The next row: 1 when there is one ("[rownumber]" then one more), else 0 with nothing
    // changed.
    int MoveNextRow();
    // The field of the current row by its name; Null for a field the rows do not have.
    COleVariant GetFieldValue(const CString& name) override;

    // Adds to the lists (new CString objects the caller owns) the fields of the query's table
    // ("name\twidth") or stored query (names only) and the stored query's parameters. Errors
    // leave what was added before them.
    void ListFieldsAndParameters(const QZKeyCombo& key, CPtrList& fields, CPtrList& parameters);

    CString GetDatabaseName() const { return GetRecordset()->m_DatabaseName; }
    CString GetProductionDatabaseName() const { return GetRecordset()->m_ClientsProdDb; }
    const CString& GetSQLName() const { return m_strSQLName; }
    // The files of the data database that the rows come from, once resolved.
    const CString& GetDevelopPath() const { return m_strDevelopPath; }
    const CString& GetProductionPath() const { return m_strProductionPath; }
    LONG GetRowNumber() const { return m_nRow; }

    CQuerySet* GetRecordset() const { return RowAs<CQuerySet>(); }

private:
    // The stored row (opened without a claim when the object has none) and the data files,
    // an empty name standing for the service's; FALSE when there is no row.
    BOOL ResolveRow(const QZKeyCombo& key);
    // The data file of the resolved paths, as the production-output switch chooses.
    const CString& DataPath() const;
    void OpenRows(int mode);
    // The context's own table of row values, where the counters live.
    SymbolTable* CounterTable() const;
    void ListTableFields(CDaoDatabase& db, CPtrList& fields) const;
    void ListQueryFields(CDaoDatabase& db, CPtrList& fields, CPtrList& parameters) const;

    CString m_strSQLName;
    CString m_strDevelopPath;
    CString m_strProductionPath;
    // The run-time rows; the set goes before the database it reads.
    std::shared_ptr<CDaoDatabase> m_pDataDb;
    std::unique_ptr<CClientQuerySet> m_pRowSet;
    QZVantrelContext* m_pContext = nullptr;
    LONG m_nRow = 0;
    BOOL m_bOpened = FALSE;
    int m_nMode = 0;
};
