#include "platform/ui/CDataExchange.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CWnd.h"

#include "platform/ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/string.h>

void CDataExchange::Fail() {
    throw DataExchangeRefused{};
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!control.GetSafeHwnd())
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

namespace {

// A combo box's text is its field's; a drop-down list's is its selected entry's, and setting
// it selects the entry of that text.
void ExchangeComboText(wxComboBox* box, BOOL save, CString& value) {
    const bool list = box->HasFlag(wxCB_READONLY);
    if (save) {
        const int selection = box->GetSelection();
        value = !list ? FromWx(box->GetValue())
                : selection == wxNOT_FOUND
                    ? CString()
                    : FromWx(box->GetString(static_cast<unsigned>(selection)));
    } else if (list) {
        box->SetSelection(box->FindString(ToWx(value), true));
    } else {
        box->ChangeValue(ToWx(value));
    }
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        return;
    pDX->m_pLastControl = control;
    if (auto* box = dynamic_cast<wxComboBox*>(control->GetSafeHwnd())) {
        ExchangeComboText(box, pDX->m_bSaveAndValidate, value);
        return;
    }
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(id);
    auto* box = control ? dynamic_cast<wxCheckBox*>(control->GetSafeHwnd()) : nullptr;
    if (!box)
        return;
    pDX->m_pLastControl = control;
    if (pDX->m_bSaveAndValidate)
        value = box->GetValue() ? 1 : 0;
    else
        box->SetValue(value != 0);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
    if (!pDX->m_bSaveAndValidate)
        return;
    // Characters, not bytes: the text is UTF-8.
    if (static_cast<int>(wxString::FromUTF8(value.str()).length()) <= maxChars)
        return;
    CString text;
    text.Format("Please enter no more than %d characters.", maxChars);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    if (pDX->m_pLastControl)
        pDX->m_pLastControl->SetFocus();
    pDX->Fail();
}
