#include "platform/ui/CEdit.h"

#include "platform/ui/WxListControls.h"
#include "platform/ui/WxText.h"

#include <wx/textctrl.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::LimitText(int nChars) {
    if (auto* text = dynamic_cast<wxTextCtrl*>(GetSafeHwnd()))
        SetTextLimit(text, nChars);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    auto* text = dynamic_cast<wxTextCtrl*>(GetSafeHwnd());
    if (!text)
        return;
    const long last = text->GetLastPosition();
    const long end = nEndChar < 0 ? last : std::min<long>(nEndChar, last);
    if (!bNoScroll)
        text->ShowPosition(end);
    text->SetSelection(std::min<long>(std::max(nStartChar, 0), end), end);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL) {
    auto* text = dynamic_cast<wxTextCtrl*>(GetSafeHwnd());
    if (!text)
        return;
    wxString value = ToWx(lpszNewText);
    if (text->IsMultiLine())
        value.Replace("\r\n", "\n");
    text->WriteText(value);
}
