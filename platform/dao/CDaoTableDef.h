#pragma once
// A table definition: made with Create, given columns and indexes, and stored with Append; or
// opened by name on an existing table to read its columns and indexes.

#include "platform/core/CObject.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/CDaoIndexInfo.h"
#include "platform/dao/DaoConstants.h"

#include <memory>

class CDaoDatabase;
struct DaoTableSchema;

class CDaoTableDef : public CObject {
    DECLARE_DYNAMIC(CDaoTableDef)
public:
    explicit CDaoTableDef(CDaoDatabase* pDatabase);
    ~CDaoTableDef() override;

    // A new definition, not yet in the database.
    virtual void Create(LPCTSTR lpszName, LONG lAttributes = 0, LPCTSTR lpszSrcTable = nullptr,
                        LPCTSTR lpszConnect = nullptr);
    // The definition of an existing table; 3265 when there is none.
    virtual void Open(LPCTSTR lpszName);
    // Stores a new definition with its columns (and indexes made before it) in the database.
    virtual void Append();
    virtual void Close();
    BOOL IsOpen() const;

    // Columns are made before Append; indexes before or after it.
    void CreateField(CDaoFieldInfo& fieldinfo);
    void CreateField(LPCTSTR lpszName, short nType, LONG lSize, LONG lAttributes = 0);
    void CreateIndex(CDaoIndexInfo& indexinfo);

    CString GetName();
    LONG GetAttributes();
    CString GetSourceTableName();
    CString GetConnect();
    COleDateTime GetDateCreated();
    COleDateTime GetDateLastUpdated();
    BOOL CanUpdate();
    LONG GetRecordCount();

    short GetFieldCount();
    void GetFieldInfo(int nIndex, CDaoFieldInfo& fieldinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void GetFieldInfo(LPCTSTR lpszName, CDaoFieldInfo& fieldinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    short GetIndexCount();
    void GetIndexInfo(int nIndex, CDaoIndexInfo& indexinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);
    void GetIndexInfo(LPCTSTR lpszName, CDaoIndexInfo& indexinfo,
                      DWORD dwInfoOptions = AFX_DAO_PRIMARY_INFO);

    CDaoDatabase* m_pDatabase;

private:
    const DaoTableSchema& Schema() const;
    void RequireOpen() const;

    std::unique_ptr<DaoTableSchema> m_schema;
    bool m_open = false;
    bool m_appended = false;
};
