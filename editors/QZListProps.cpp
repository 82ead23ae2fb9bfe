#include "editors/QZListProps.h"

#include "editors/QZTableProps.h"
#include "platform/ui/CDataExchange.h"
#include "res/TextEditorIds.h"

namespace {
const char* const kBullets[] = {"Default", "Disc", "Circle", "Square"};
} // namespace

QZListProps::QZListProps() : CModalDialog(IDD_LIST_PROPS) {}

BOOL QZListProps::OnInitDialog() {
    if (m_spinRows.SubclassDlgItem(IDC_OUTLINE_ROWS_SPIN, this)) {
        m_spinRows.SetRange(0, 100);
        m_spinRows.SetPos(static_cast<int>(m_nRows));
    }
    if (m_cbBullet.SubclassDlgItem(IDC_LIST_BULLET, this)) {
        for (const char* bullet : kBullets)
            m_cbBullet.AddString(bullet);
    }
    return CModalDialog::OnInitDialog();
}

void QZListProps::DoDataExchange(CDataExchange* pDX) {
    CModalDialog::DoDataExchange(pDX);
    CString heading = m_strHeading;
    CString rows = FormatUnsignedField(m_nRows);
    DDX_Text(pDX, IDC_LIST_HEADING, heading);
    DDX_Text(pDX, IDC_OUTLINE_ROWS, rows);
    if (!pDX->m_bSaveAndValidate) {
        if (m_cbBullet.GetSafeHwnd())
            m_cbBullet.SetCurSel(m_nBullet);
        return;
    }
    const int bullet = m_cbBullet.GetSafeHwnd() ? m_cbBullet.GetCurSel() : m_nBullet;
    if (!SaveFields(heading, rows, bullet))
        pDX->Fail();
}

BOOL QZListProps::SaveFields(const CString& heading, const CString& rows, int bullet) {
    UINT rowCount = 0;
    if (!ParseUnsignedField(rows, rowCount))
        return FALSE;
    m_strHeading = heading;
    m_nRows = rowCount;
    m_nBullet = bullet;
    return TRUE;
}
