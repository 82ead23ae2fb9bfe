#include "platform/ui/CDataExchange.h"

#include "platform/core/COleDateTime.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CWnd.h"

#include "platform/ui/WxText.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/string.h>

#include <cctype>
#include <limits>

void CDataExchange::Fail() {
    throw DataExchangeRefused{};
}

void CDataExchange::FailWith(const CString& message) {
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    if (m_pLastControl)
        m_pLastControl->SetFocus();
    Fail();
}

const char* DataExchangeMessage(UINT id) {
    switch (id) {
    case AFX_IDP_PARSE_INT:
        return "Please enter an integer.";
    case AFX_IDP_PARSE_INT_RANGE:
        return "Please enter an integer between %d and %d.";
    case AFX_IDP_PARSE_STRING_SIZE:
        return "Please enter no more than %d characters.";
    case AFX_IDP_PARSE_UINT:
        return "Please enter a positive integer.";
    case AFX_IDP_PARSE_DATETIME:
        return "Please enter a date and/or time.";
    default:
        return "";
    }
}

BOOL ParseExchangeInteger(const CString& text, int64_t& value) {
    const char* p = text.str().c_str();
    while (*p == ' ' || *p == '\t')
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return FALSE;
    uint64_t magnitude = 0;
    const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
        if (magnitude > limit)
            return FALSE;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p != '\0')
        return FALSE;
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return TRUE;
}

namespace {

// The dialog's item, made the control exchanged last; null when the dialog lacks it.
CWnd* ExchangedItem(CDataExchange* pDX, int id) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (control)
        pDX->m_pLastControl = control;
    return control;
}

// The item's text as a number between low and high, refused with `message` otherwise.
int64_t ReadNumber(CDataExchange* pDX, CWnd* control, int64_t low, int64_t high, UINT message) {
    CString text;
    control->GetWindowText(text);
    int64_t number = 0;
    if (!ParseExchangeInteger(text, number) || number < low || number > high)
        pDX->FailWith(DataExchangeMessage(message));
    return number;
}

// A whole number of type T shown in the item, or read back within T's range.
template <typename T> void ExchangeNumber(CDataExchange* pDX, int id, T& value, UINT message) {
    CWnd* control = ExchangedItem(pDX, id);
    if (!control)
        return;
    if (!pDX->m_bSaveAndValidate) {
        control->SetWindowText(CString(std::to_string(value).c_str()));
        return;
    }
    value = static_cast<T>(ReadNumber(pDX, control, std::numeric_limits<T>::min(),
                                      std::numeric_limits<T>::max(), message));
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    ExchangeNumber(pDX, id, value, AFX_IDP_PARSE_INT);
}

void DDX_Text(CDataExchange* pDX, int id, UINT& value) {
    ExchangeNumber(pDX, id, value, AFX_IDP_PARSE_UINT);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int low, int high) {
    if (!pDX->m_bSaveAndValidate || (value >= low && value <= high))
        return;
    CString text;
    text.Format(DataExchangeMessage(AFX_IDP_PARSE_INT_RANGE), low, high);
    pDX->FailWith(text);
}

void DDX_Text(CDataExchange* pDX, int id, COleDateTime& value, DWORD flags) {
    CWnd* control = ExchangedItem(pDX, id);
    if (!control)
        return;
    if (!pDX->m_bSaveAndValidate) {
        control->SetWindowText(value.Format());
        return;
    }
    CString text;
    control->GetWindowText(text);
    text.Trim();
    if (text.IsEmpty()) {
        value = COleDateTime();
        value.SetStatus(COleDateTime::null);
        return;
    }
    COleDateTime parsed;
    if (!parsed.ParseDateTime(text, flags))
        pDX->FailWith(DataExchangeMessage(AFX_IDP_PARSE_DATETIME));
    value = parsed;
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
    text.Format(DataExchangeMessage(AFX_IDP_PARSE_STRING_SIZE), maxChars);
    pDX->FailWith(text);
}
