#include "platform/dao/CDaoFieldExchange.h"

namespace {

// "[DbID]" and "[Documents].[DbID]" bind the column DbID.
CString ColumnName(LPCTSTR name) {
    CString text(name ? name : "");
    text.Trim();
    int split = text.Find("].[");
    if (split >= 0)
        text = text.Mid(split + 2);
    else if (text.Find('[') < 0 && text.ReverseFind('.') >= 0)
        text = text.Mid(text.ReverseFind('.') + 1);
    if (text.GetLength() >= 2 && text.GetAt(0) == '[' && text.GetAt(text.GetLength() - 1) == ']')
        text = text.Mid(1, text.GetLength() - 2);
    return text;
}

} // namespace

void CDaoFieldExchange::Bind(LPCTSTR lpszName, Kind kind, void* member) {
    if (m_nFieldType == outputColumn)
        m_outputs.push_back({ColumnName(lpszName), kind, member});
    else if (m_nFieldType == param)
        m_params.push_back({ColumnName(lpszName), kind, member});
}

void DFX_Long(CDaoFieldExchange* pFX, LPCTSTR lpszName, LONG& value, DWORD) {
    pFX->Bind(lpszName, CDaoFieldExchange::Kind::Long, &value);
}

void DFX_Short(CDaoFieldExchange* pFX, LPCTSTR lpszName, short& value, DWORD) {
    pFX->Bind(lpszName, CDaoFieldExchange::Kind::Short, &value);
}

void DFX_Byte(CDaoFieldExchange* pFX, LPCTSTR lpszName, BYTE& value, DWORD) {
    pFX->Bind(lpszName, CDaoFieldExchange::Kind::Byte, &value);
}

void DFX_Text(CDaoFieldExchange* pFX, LPCTSTR lpszName, CString& value, int, DWORD) {
    pFX->Bind(lpszName, CDaoFieldExchange::Kind::Text, &value);
}

void DFX_DateTime(CDaoFieldExchange* pFX, LPCTSTR lpszName, COleDateTime& value, DWORD) {
    pFX->Bind(lpszName, CDaoFieldExchange::Kind::DateTime, &value);
}
