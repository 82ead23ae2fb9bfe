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
    wxString value = control ? control->GetValue() : wxString();
    // The toolkit breaks lines with a line feed; the program's texts break them with CR LF.
    if (control && control->IsMultiLine())
        value.Replace("\n", "\r\n");
    text = FromWx(value);
}

void CEditField::SetWindowText(LPCTSTR text) {
    wxTextCtrl* control = TextOf(this);
    if (!control)
        return;
    wxString value = ToWx(text);
    if (control->IsMultiLine())
        value.Replace("\r\n", "\n");
    SetFieldText(control, value);
}

void CEditField::LimitText(int maxChars) {
    if (wxTextCtrl* control = TextOf(this))
        SetTextLimit(control, maxChars);
}
