#pragma once
// The "Table Size" dialog (216): rows and columns of the table outline, each an edit with a
// spin of range 0 to 100. OK refuses what is not a whole number of zero or more.

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "platform/ui/CModalDialog.h"
#include "platform/ui/CSpinButtonCtrl.h"

class QZTableProps : public CModalDialog {
public:
    QZTableProps();

    // From the "Rows:" (1299) and "Columns:" (1300) edits; FALSE after the message when one is
    // not a number, the values then unchanged.
    BOOL SaveFields(const CString& rows, const CString& columns);

    UINT m_nColumns = 0;
    UINT m_nRows = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSpinButtonCtrl m_spinRows;
    CSpinButtonCtrl m_spinColumns;
};

// A whole number of zero or more in an edit's text (blanks around it allowed); FALSE after
// "Please enter a positive integer." otherwise.
BOOL ParseUnsignedField(const CString& text, UINT& value);
// A number's text for its edit.
CString FormatUnsignedField(UINT value);
