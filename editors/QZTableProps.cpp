#include "editors/QZTableProps.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"
#include "res/TextEditorIds.h"

#include <cctype>
#include <limits>
#include <tuple>

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

CString FormatUnsignedField(UINT value) {
    CString text;
    text.Format("%u", value);
    return text;
}

QZTableProps::QZTableProps() : CModalDialog(IDD_TABLE_PROPS) {}

BOOL QZTableProps::OnInitDialog() {
    for (auto [spin, id, value] :
         {std::tuple(&m_spinRows, IDC_OUTLINE_ROWS_SPIN, m_nRows),
          std::tuple(&m_spinColumns, IDC_TABLE_COLUMNS_SPIN, m_nColumns)}) {
        if (spin->SubclassDlgItem(id, this)) {
            spin->SetRange(0, 100);
            spin->SetPos(static_cast<int>(value));
        }
    }
    return CModalDialog::OnInitDialog();
}

void QZTableProps::DoDataExchange(CDataExchange* pDX) {
    CModalDialog::DoDataExchange(pDX);
    CString rows = FormatUnsignedField(m_nRows);
    CString columns = FormatUnsignedField(m_nColumns);
    DDX_Text(pDX, IDC_OUTLINE_ROWS, rows);
    DDX_Text(pDX, IDC_TABLE_COLUMNS, columns);
    if (pDX->m_bSaveAndValidate && !SaveFields(rows, columns))
        pDX->Fail();
}

BOOL QZTableProps::SaveFields(const CString& rows, const CString& columns) {
    UINT rowCount = 0, columnCount = 0;
    if (!ParseUnsignedField(rows, rowCount) || !ParseUnsignedField(columns, columnCount))
        return FALSE;
    m_nRows = rowCount;
    m_nColumns = columnCount;
    return TRUE;
}
