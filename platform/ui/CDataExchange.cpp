#include "platform/ui/CDataExchange.h"

#include "platform/ui/CWnd.h"

void CDataExchange::Fail() {
    throw DataExchangeRefused{};
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!control.GetSafeHwnd())
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}
