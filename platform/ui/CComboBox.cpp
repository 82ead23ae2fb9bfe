#include "platform/ui/CComboBox.h"

#include "platform/ui/WxListControls.h"
#include "platform/ui/WxText.h"

#include <wx/combobox.h>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

wxComboBox* ComboOf(const CComboBox* combo) {
    return dynamic_cast<wxComboBox*>(combo->GetSafeHwnd());
}

bool InRange(const wxComboBox* box, int index) {
    return index >= 0 && static_cast<unsigned>(index) < box->GetCount();
}

// The entries after `startAfter`, wrapping round, that `matches` accepts: the first one's index.
template <typename Matches>
int FindFrom(const wxComboBox* box, int startAfter, const wxString& text, Matches matches) {
    if (!box)
        return CB_ERR;
    const int count = static_cast<int>(box->GetCount());
    const int first = startAfter >= 0 && startAfter < count ? startAfter + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (matches(box->GetString(static_cast<unsigned>(index)).Lower(), text.Lower()))
            return index;
    }
    return CB_ERR;
}

} // namespace

int CComboBox::AddString(LPCTSTR text) {
    wxComboBox* box = ComboOf(this);
    return box ? box->Append(ToWx(text)) : CB_ERR;
}

int CComboBox::InsertString(int index, LPCTSTR text) {
    wxComboBox* box = ComboOf(this);
    if (!box || index > static_cast<int>(box->GetCount()))
        return CB_ERR;
    if (index < 0)
        return box->Append(ToWx(text));
    return box->Insert(ToWx(text), static_cast<unsigned>(index));
}

int CComboBox::DeleteString(UINT index) {
    wxComboBox* box = ComboOf(this);
    if (!box || !InRange(box, static_cast<int>(index)))
        return CB_ERR;
    box->Delete(index);
    return static_cast<int>(box->GetCount());
}

void CComboBox::ResetContent() {
    if (wxComboBox* box = ComboOf(this))
        box->Clear();
}

int CComboBox::GetCount() const {
    const wxComboBox* box = ComboOf(this);
    return box ? static_cast<int>(box->GetCount()) : CB_ERR;
}

int CComboBox::GetCurSel() const {
    const wxComboBox* box = ComboOf(this);
    if (!box)
        return CB_ERR;
    const int selection = box->GetSelection();
    return selection == wxNOT_FOUND ? CB_ERR : selection;
}

int CComboBox::SetCurSel(int index) {
    wxComboBox* box = ComboOf(this);
    if (!box)
        return CB_ERR;
    if (!InRange(box, index)) {
        box->SetSelection(wxNOT_FOUND);
        if (!box->HasFlag(wxCB_READONLY))
            box->ChangeValue(wxString());
        return CB_ERR;
    }
    box->SetSelection(index);
    return index;
}

int CComboBox::GetLBText(int index, CString& text) const {
    const wxComboBox* box = ComboOf(this);
    if (!box || !InRange(box, index))
        return CB_ERR;
    text = FromWx(box->GetString(static_cast<unsigned>(index)));
    return text.GetLength();
}

int CComboBox::GetLBTextLen(int index) const {
    CString text;
    return GetLBText(index, text);
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    const wxComboBox* box = ComboOf(this);
    if (!box || !InRange(box, index))
        return static_cast<DWORD_PTR>(CB_ERR);
    return reinterpret_cast<DWORD_PTR>(box->GetClientData(static_cast<unsigned>(index)));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
    wxComboBox* box = ComboOf(this);
    if (!box || !InRange(box, index))
        return CB_ERR;
    box->SetClientData(static_cast<unsigned>(index), reinterpret_cast<void*>(data));
    return 0;
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const {
    return FindFrom(
        ComboOf(this), startAfter, ToWx(text),
        [](const wxString& entry, const wxString& wanted) { return entry.StartsWith(wanted); });
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
    return FindFrom(ComboOf(this), startAfter, ToWx(text),
                    [](const wxString& entry, const wxString& wanted) { return entry == wanted; });
}

int CComboBox::SelectString(int startAfter, LPCTSTR text) {
    const int index = FindString(startAfter, text);
    return index == CB_ERR ? CB_ERR : SetCurSel(index);
}

void CComboBox::GetWindowText(CString& text) const {
    const wxComboBox* box = ComboOf(this);
    if (!box) {
        text.Empty();
        return;
    }
    const int selection = box->GetSelection();
    if (box->HasFlag(wxCB_READONLY))
        text = selection == wxNOT_FOUND ? CString()
                                        : FromWx(box->GetString(static_cast<unsigned>(selection)));
    else
        text = FromWx(box->GetValue());
}

void CComboBox::SetWindowText(LPCTSTR text) {
    wxComboBox* box = ComboOf(this);
    if (box && !box->HasFlag(wxCB_READONLY))
        SetFieldText(box, ToWx(text));
}

BOOL CComboBox::LimitText(int maxChars) {
    wxComboBox* box = ComboOf(this);
    if (!box || box->HasFlag(wxCB_READONLY))
        return FALSE;
    SetTextLimit(box, maxChars);
    return TRUE;
}
