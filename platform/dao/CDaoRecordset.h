#pragma once
// The rows of a table, a stored query or an SQL text, opened as a dynaset (rows found by key,
// each read afresh when the recordset moves to it), a table (the same over a whole table) or
// a snapshot (read at once, read-only). Subclasses bind members to columns in DoFieldExchange;
// a changed member is written by Update without a SetFieldDirty call. Fields can also be read
// and written by position or name as variants.

#include "platform/core/CObject.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldExchange.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/DaoConstants.h"

#include <memory>
#include <utility>
#include <vector>

class CDaoDatabase;
class CDaoQueryDef;
class CDaoTableDef;
struct DaoRecordsetState;

class CDaoRecordset : public CObject {
    DECLARE_DYNAMIC(CDaoRecordset)
public:
    explicit CDaoRecordset(CDaoDatabase* pDatabase = nullptr);
    ~CDaoRecordset() override;

    // On an SQL text, a table name or a stored query's name (GetDefaultSQL when none is given).
    virtual void Open(int nOpenType = AFX_DAO_USE_DEFAULT_TYPE, LPCTSTR lpszSQL = nullptr,
                      int nOptions = 0);
    // On a query definition with its parameter values; 3061 when one is missing.
    virtual void Open(CDaoQueryDef* pQueryDef, int nOpenType = dbOpenDynaset, int nOptions = 0);
    virtual void Open(CDaoTableDef* pTableDef, int nOpenType = dbOpenTable, int nOptions = 0);
    virtual void Close();
    BOOL IsOpen() const;

    BOOL IsBOF() const;
    BOOL IsEOF() const;
    BOOL IsDeleted() const;
    BOOL CanUpdate() const;
    BOOL CanAppend() const;
    BOOL CanBookmark();
    BOOL CanScroll();
    BOOL CanRestart();
    BOOL CanTransact();
    CString GetName();
    CString GetSQL();
    short GetType();
    short GetEditMode();
    LONG GetRecordCount();

    // Moves; 3021 when there is no row to move to. A pending AddNew or Edit is dropped.
    virtual void Move(LONG lRows);
    void MoveNext();
    void MovePrev();
    void MoveFirst();
    void MoveLast();

    // Makes current the first row, in the recordset's order, whose named fields equal the
    // values: each value is bound as a parameter with its field's type and compared as the
    // column compares. FALSE when no row matches, a value is Null or cannot be a value of its
    // field. A dynaset or table over one table only (3219 otherwise).
    BOOL FindFirstEqual(const std::vector<std::pair<CString, COleVariant>>& fieldValues);

    COleVariant GetBookmark();
    void SetBookmark(COleVariant varBookmark);
    COleVariant GetLastModifiedBookmark();

    virtual void AddNew();
    // Reads the current row afresh into the members; takes no lock.
    virtual void Edit();
    // Writes the changed fields in one short transaction.
    virtual void Update();
    virtual void Delete();
    virtual void CancelUpdate();
    virtual void Requery();

    virtual void GetFieldValue(LPCTSTR lpszName, COleVariant& varValue);
    virtual void GetFieldValue(int nIndex, COleVariant& varValue);
    virtual COleVariant GetFieldValue(LPCTSTR lpszName);
    virtual COleVariant GetFieldValue(int nIndex);
    virtual void SetFieldValue(LPCTSTR lpszName, const COleVariant& varValue);
    virtual void SetFieldValue(int nIndex, const COleVariant& varValue);
    void SetFieldValueNull(int nIndex);
    void SetFieldValueNull(LPCTSTR lpszName);
    virtual COleVariant GetParamValue(int nIndex);
    virtual COleVariant GetParamValue(LPCTSTR lpszName);
    virtual void SetParamValue(int nIndex, const COleVariant& varValue);
    virtual void SetParamValue(LPCTSTR lpszName, const COleVariant& varValue);

    short GetFieldCount();
    void GetFieldInfo(int nIndex, CDaoFieldInfo& fieldinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void GetFieldInfo(LPCTSTR lpszName, CDaoFieldInfo& fieldinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);

    // Marks of the bound members; a null pointer stands for every bound member.
    void SetFieldDirty(void* pv, BOOL bDirty = TRUE);
    BOOL IsFieldDirty(void* pv);
    void SetFieldNull(void* pv, BOOL bNull = TRUE);
    BOOL IsFieldNull(void* pv);
    BOOL IsFieldNullable(void* pv);

    virtual CString GetDefaultDBName();
    virtual CString GetDefaultSQL();
    virtual void DoFieldExchange(CDaoFieldExchange* pFX);

    CDaoDatabase* m_pDatabase;
    CDaoTableDef* m_pTableDef = nullptr;
    CDaoQueryDef* m_pQueryDef = nullptr;
    int m_nFields = 0;
    int m_nParams = 0;
    int m_nDefaultType = dbOpenDynaset;

private:
    void OpenOn(CDaoDatabase* database, int type, int options);
    void MapFields(const class DaoCursor& cursor);
    void RequireOpen() const;
    void DiscardPending();
    void LoadMembers();
    int ColumnIndex(LPCTSTR lpszName) const;
    void RequireEditing() const;

    std::unique_ptr<DaoRecordsetState> m_state;
};
