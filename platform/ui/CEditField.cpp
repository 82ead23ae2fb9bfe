#include "platform/ui/CEditField.h"

#include "platform/ui/WxListControls.h"
#include "platform/ui/WxText.h"

#include <wx/textctrl.h>

IMPLEMENT_DYNAMIC(CEditField, CWnd)

namespace {

wxTextCtrl* TextOf(const CEditField* edit) {
    return dynamic_cast<wxTextCtrl*>(edit->GetSafeHwnd());
}

} // namespace

void CEditField::GetWindowText(CString& text) const {
    const wxTextCtrl* control = TextOf(this);
    text = control ? FromWx(control->GetValue()) : CString();
}

void CEditField::SetWindowText(LPCTSTR text) {
    if (wxTextCtrl* control = TextOf(this))
        SetFieldText(control, ToWx(text));
}

void CEditField::LimitText(int maxChars) {
    if (wxTextCtrl* control = TextOf(this))
        SetTextLimit(control, maxChars);
}
