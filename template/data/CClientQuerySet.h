#pragma once
// The rows of a stored query of the site owner's own data database, as the query command reads
// them: no bound columns, fields read by name or position at run time, field descriptions
// listed on demand, and the query's parameters given the values of the template variables of
// the same names. A pass-through query whose name begins with "SP" is a stored-procedure call
// whose parameter list is written out from template variables.

#include "platform/core/CPtrList.h"
#include "platform/core/CTypedPtrList.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/CDaoParameterInfo.h"
#include "platform/dao/CDaoRecordset.h"

class CDaoQueryDef;
class CVantrelDb;
class QZSymbol;
class QZVantrelContext;
class SymbolTable;

class CClientQuerySet : public CDaoRecordset {
    DECLARE_DYNAMIC(CClientQuerySet)
public:
    using FieldInfoList = CTypedPtrList<CPtrList, CDaoFieldInfo*>;

    // The set of one run of a query command: the stored query lives in `dataDb`, parameter
    // values come from the variables seen from `context`.
    CClientQuerySet(CVantrelDb* siteDb, CDaoDatabase* dataDb, QZVantrelContext* context);
    // For the row-action set, which fills in the rest itself.
    CClientQuerySet();
    ~CClientQuerySet() override;

    // Binds no members: fields are read by name or position.
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Opens the stored query of that name (the flag is not used); DAO exceptions pass.
    void OpenQueryDef(const CString& name, BOOL flag = FALSE);
    // Sets each parameter of the query from the variable of its name (enclosing scopes
    // searched); FALSE at the first one without a variable, the ones before it set. A
    // pass-through query takes no parameters: it is only recognised.
    BOOL BindParameters();
    // Opens the rows (a consistent dynaset, editing the first row, when editable; else a
    // snapshot) and counts them; FALSE when a procedure argument has no variable.
    BOOL OpenQuery(BOOL editable);
    // The stored-procedure call: the procedure's name, then "@name = value" pairs separated by
    // ", ", then one space. FALSE when an argument has no variable.
    BOOL BuildProcedureCall(CString& text);
    // The value of the variable of that name as call text, strings in double quotes (a double
    // quote inside doubled); FALSE without such a variable.
    BOOL GetProcedureArgument(const CString& name, CString& text);
    // Fills the parameter's value from the variable of its name; FALSE without one.
    BOOL GetParameterValue(CDaoParameterInfo& info);

    BOOL CountRows();
    LONG GetRowCount() const { return m_nRowCount; }
    // FALSE when the set is closed or empty; otherwise moves to the first row.
    BOOL MoveToFirst();
    // FALSE when the set is closed or the move passes the last row.
    BOOL MoveToNext();

    // The field count, asked once; FALSE when asking fails.
    BOOL CheckFieldCount();
    // Builds the field descriptions once; FALSE when there are none.
    BOOL LoadFieldInfo();
    FieldInfoList* ReadFieldInfo();
    void FreeFieldInfo();
    FieldInfoList* GetFieldInfoList() const { return m_pFieldList; }

    const CString& GetQueryName() const { return m_strQueryName; }
    CDaoQueryDef* GetQueryDef() const { return m_pStoredQuery; }
    BOOL IsProcedureCall() const { return m_bProcedure != 0; }
    BOOL IsPassThrough() const { return m_bPassThrough != 0; }

protected:
    // Where variables of parameters are looked up: the context's scope and its parents.
    virtual SymbolTable* GetVariables() const;
    // The variable's value as a variant: its own type, Null for a Null value; FALSE for a
    // type without a variant form (span, array, record, address).
    static BOOL VariableValue(QZSymbol* variable, COleVariant& value);

    FieldInfoList* m_pFieldList = nullptr;
    CDaoDatabase* m_pDataDb = nullptr;
    CDaoQueryDef* m_pStoredQuery = nullptr;
    CVantrelDb* m_pSiteDb = nullptr;
    CString m_strQueryName;
    SHORT m_nFieldCount = 0;
    LONG m_nRowCount = 0;
    LONG m_bProcedure = 0;
    LONG m_bPassThrough = 0;
    QZVantrelContext* m_pContext = nullptr;
};
