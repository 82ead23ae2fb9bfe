#pragma once
// The "List" dialog (236): the list outline's heading, its number of rows (an edit with a spin
// of range 0 to 100) and its bullet, the index in "Default", "Disc", "Circle", "Square". OK
// refuses rows that are not a whole number of zero or more.

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CModalDialog.h"
#include "platform/ui/CSpinButtonCtrl.h"

class QZListProps : public CModalDialog {
public:
    QZListProps();

    // From the "Heading:" (1148) and "Rows:" (1299) edits and the "Bullet:" list (1346); FALSE
    // after the message when the rows are not a number, the values then unchanged.
    BOOL SaveFields(const CString& heading, const CString& rows, int bullet);

    UINT m_nRows = 0;
    CString m_strHeading;
    int m_nBullet = -1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSpinButtonCtrl m_spinRows;
    CComboBox m_cbBullet;
};
