#pragma once
// Field exchange: a recordset's DoFieldExchange names its bound members with the DFX_ calls,
// output columns first marked by SetFieldType(outputColumn), parameters by SetFieldType(param).
// The recordset moves each row's values into the members and writes changed members back.

#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/dao/DaoConstants.h"

#include <vector>

class CDaoRecordset;

class CDaoFieldExchange {
public:
    enum FieldType { none = 0, outputColumn = 1, param = 2 };
    enum class Kind { Long, Short, Byte, Text, DateTime };

    // One bound member: its column (or parameter) name without brackets, its kind, its place.
    struct Binding {
        CString name;
        Kind kind;
        void* member;
    };

    explicit CDaoFieldExchange(CDaoRecordset* prs = nullptr) : m_prs(prs) {}

    void SetFieldType(UINT nFieldType) { m_nFieldType = nFieldType; }
    // Called by the DFX_ functions.
    void Bind(LPCTSTR lpszName, Kind kind, void* member);

    UINT m_nFieldType = none;
    CDaoRecordset* m_prs;
    std::vector<Binding> m_outputs;
    std::vector<Binding> m_params;
};

void DFX_Long(CDaoFieldExchange* pFX, LPCTSTR lpszName, LONG& value,
              DWORD dwBindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_Short(CDaoFieldExchange* pFX, LPCTSTR lpszName, short& value,
               DWORD dwBindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_Byte(CDaoFieldExchange* pFX, LPCTSTR lpszName, BYTE& value,
              DWORD dwBindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
// Text and Memo alike: the value is never cut to the preallocation.
void DFX_Text(CDaoFieldExchange* pFX, LPCTSTR lpszName, CString& value,
              int nPreAllocSize = AFX_DAO_TEXT_DEFAULT_SIZE,
              DWORD dwBindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_DateTime(CDaoFieldExchange* pFX, LPCTSTR lpszName, COleDateTime& value,
                  DWORD dwBindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
