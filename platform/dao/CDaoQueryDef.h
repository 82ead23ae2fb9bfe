#pragma once
// A query definition: a stored query opened by name, a new one made with a name and SQL text
// and stored with Append, or a temporary one without a name. Its parameters are set by
// position or by name before a recordset is opened on it or it is executed.

#include "platform/core/CObject.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/CDaoParameterInfo.h"
#include "platform/dao/DaoConstants.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CDaoDatabase;
struct DaoSqlPlan;
class DaoValue;

class CDaoQueryDef : public CObject {
    DECLARE_DYNAMIC(CDaoQueryDef)
public:
    explicit CDaoQueryDef(CDaoDatabase* pDatabase);
    ~CDaoQueryDef() override;

    // A new definition; without a name it is temporary and cannot be appended.
    virtual void Create(LPCTSTR lpszName = nullptr, LPCTSTR lpszSQL = nullptr);
    // The stored query of that name; 3265 when there is none.
    virtual void Open(LPCTSTR lpszName = nullptr);
    // Stores a new definition in the database (3012 when the name is taken).
    virtual void Append();
    virtual void Close();
    BOOL IsOpen() const;

    // Runs an action query: all its changes or none (one transaction). 3061 when a
    // parameter has no value, 3065 for a query that returns rows.
    virtual void Execute(int nOptions = dbFailOnError);
    LONG GetRecordsAffected();

    CString GetName();
    void SetName(LPCTSTR lpszName);
    CString GetSQL();
    // On a stored query the new text is stored at once.
    void SetSQL(LPCTSTR lpszSQL);
    short GetType();
    CString GetConnect();
    void SetConnect(LPCTSTR lpszConnect);
    BOOL GetReturnsRecords();
    void SetReturnsRecords(BOOL bReturnsRecords);
    BOOL CanUpdate();
    COleDateTime GetDateCreated();
    COleDateTime GetDateLastUpdated();

    // Parameters, in position order: declared ones first, then the undeclared names.
    short GetParameterCount();
    void GetParameterInfo(int nIndex, CDaoParameterInfo& paraminfo,
                          DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    virtual COleVariant GetParamValue(LPCTSTR lpszName);
    virtual COleVariant GetParamValue(int nIndex);
    virtual void SetParamValue(LPCTSTR lpszName, const COleVariant& varValue);
    virtual void SetParamValue(int nIndex, const COleVariant& varValue);

    // The columns of the rows the query returns.
    short GetFieldCount();
    void GetFieldInfo(int nIndex, CDaoFieldInfo& fieldinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void GetFieldInfo(LPCTSTR lpszName, CDaoFieldInfo& fieldinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);

    CDaoDatabase* m_pDatabase;

    // For the recordset: the plan of the text (made afresh when the catalog changed), and the
    // parameter values by position for that plan (3061 when one has none).
    std::shared_ptr<const DaoSqlPlan> Plan();
    std::vector<DaoValue> ParameterValues();

private:
    void RequireOpen() const;
    void RequireLocalQuery();
    const DaoSqlPlan& CurrentPlan();
    int ParameterIndex(LPCTSTR lpszName);

    bool m_open = false;
    bool m_stored = false;
    CString m_strName;
    CString m_strSQL;
    CString m_strConnect;
    BOOL m_bReturnsRecords = TRUE;
    std::string m_dateCreated;
    std::string m_dateLastUpdated;
    LONG m_lRecordsAffected = 0;
    uint64_t m_generation = 0; // of the catalog the text was read from
    std::shared_ptr<const DaoSqlPlan> m_plan;
    std::vector<std::optional<COleVariant>> m_params;
};
