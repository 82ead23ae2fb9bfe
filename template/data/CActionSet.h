#pragma once
// The row commands' way into the site owner's data database: a query object of the site names
// a table or a stored action query there, and the set adds a row from template variables,
// edits or deletes the row whose primary key equals template variables, or runs the action
// query with parameters from template variables. Row operations answer an empty text on
// success and the failure message otherwise.

#include "db/QZKeyCombo.h"
#include "template/data/CClientQuerySet.h"

#include <utility>
#include <vector>

class CDaoTableDef;
class CQuerySet;

class CActionSet : public CClientQuerySet {
    DECLARE_DYNAMIC(CActionSet)
public:
    // The key fields of a row and the values they must equal.
    using KeyFilter = std::vector<std::pair<CString, COleVariant>>;

    CActionSet();
    ~CActionSet() override;

    // Resolves the query object `key` of the site database and opens its table or stored
    // query; FALSE for the key resolved last, or a key without a query object. DAO
    // exceptions pass to the caller.
    BOOL Prepare(CVantrelDb* siteDb, const QZKeyCombo& key, SymbolTable* variables);
    // A given variable table replaces the one given to Prepare.
    CString AddRow(SymbolTable* variables);
    CString EditRow(SymbolTable* variables);
    CString DelRow(SymbolTable* variables);
    // Runs the stored action query; FALSE, with a message box, for a table, and FALSE when a
    // parameter has no variable. DAO exceptions pass to the caller.
    BOOL ExecuteQuery(SymbolTable* variables);

    void SetDatabasePath(const CString& path) { m_strDatabasePath = path; }
    void SetQueryName(const CString& name) { m_strQueryName = name; }
    void SetTableName(const CString& name) { m_strTableName = name; }
    const CString& GetDatabasePath() const { return m_strDatabasePath; }
    const CString& GetTableName() const { return m_strTableName; }
    CDaoDatabase* GetDataDatabase() const { return m_pDataDb; }

    BOOL OpenDatabase();
    BOOL OpenQueryDef(const CString& name);
    BOOL OpenTable(const CString& name);
    void CloseTable();
    void CloseQueryDef();
    void CloseQueryRecord();
    void CloseDatabase();
    BOOL LoadQueryRecord(const QZKeyCombo& key);

    static BOOL IsCounterField(const CDaoFieldInfo& info);
    // Sets every field but the counters from the variable of its name; a field without one
    // keeps its value, and so do the fields of `key` when given. The counters skipped are
    // added to `counters` when given.
    BOOL SetFieldsFromVariables(std::vector<CString>* counters = nullptr,
                                const KeyFilter* key = nullptr);
    // The fields of the table's primary index with the values of their variables; FALSE when
    // the table has no primary index or a field has no variable with a value.
    BOOL BuildKeyFilter(KeyFilter& filter);
    // Makes the row of the key filter current; FALSE when there is none.
    BOOL FindKeyRow();

protected:
    SymbolTable* GetVariables() const override { return m_pVariables; }

private:
    // Runs a row operation: its failures become "<prefix> Failed: " texts.
    template <typename Operation> CString RowOperation(const char* prefix, Operation operation);
    BOOL IsTableOpen() const;

    CDaoTableDef* m_pTable = nullptr;
    CString m_strTableName;
    CString m_strDatabasePath;
    BYTE m_nTableFlag = 0;
    SymbolTable* m_pVariables = nullptr;
    QZKeyCombo m_currentKey;
    CQuerySet* m_pQueryRecord = nullptr;
};
