#include "editors/QZTableProps.h"

#include "platform/core/MessageBox.h"

#include <cctype>
#include <limits>

BOOL ParseUnsignedField(const CString& text, UINT& value) {
    const std::string& bytes = text.str();
    size_t i = 0;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i])))
        i++;
    size_t end = bytes.size();
    while (end > i && std::isspace(static_cast<unsigned char>(bytes[end - 1])))
        end--;
    unsigned long long number = 0;
    bool ok = i < end;
    for (size_t k = i; ok && k < end; k++) {
        ok = std::isdigit(static_cast<unsigned char>(bytes[k])) != 0;
        number = number * 10 + static_cast<unsigned>(bytes[k] - '0');
        ok = ok && number <= std::numeric_limits<UINT>::max();
    }
    if (!ok) {
        AfxMessageBox("Please enter a positive integer.", MB_ICONEXCLAMATION);
        return FALSE;
    }
    value = static_cast<UINT>(number);
    return TRUE;
}

BOOL QZTableProps::SaveFields(const CString& rows, const CString& columns) {
    UINT rowCount = 0, columnCount = 0;
    if (!ParseUnsignedField(rows, rowCount) || !ParseUnsignedField(columns, columnCount))
        return FALSE;
    m_nRows = rowCount;
    m_nColumns = columnCount;
    return TRUE;
}
