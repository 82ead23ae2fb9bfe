#include "platform/ui/CDataExchange.h"

#include "platform/ui/CWnd.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!control.GetSafeHwnd())
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}
