#include "platform/ui/CEdit.h"

#include "platform/ui/WxListControls.h"

#include <wx/textctrl.h>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::LimitText(int nChars) {
    if (auto* text = dynamic_cast<wxTextCtrl*>(GetSafeHwnd()))
        SetTextLimit(text, nChars);
}
