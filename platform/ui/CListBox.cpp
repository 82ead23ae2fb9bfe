#include "platform/ui/CListBox.h"

#include "platform/ui/WxText.h"

#include <wx/listbox.h>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

wxListBox* ListOf(const CListBox* list) {
    return dynamic_cast<wxListBox*>(list->GetSafeHwnd());
}

bool InRange(const wxListBox* list, int index) {
    return index >= 0 && static_cast<unsigned>(index) < list->GetCount();
}

} // namespace

int CListBox::AddString(LPCTSTR text) {
    wxListBox* list = ListOf(this);
    return list ? list->Append(ToWx(text)) : LB_ERR;
}

void CListBox::ResetContent() {
    if (wxListBox* list = ListOf(this))
        list->Clear();
}

int CListBox::GetCount() const {
    const wxListBox* list = ListOf(this);
    return list ? static_cast<int>(list->GetCount()) : LB_ERR;
}

int CListBox::GetCurSel() const {
    const wxListBox* list = ListOf(this);
    if (!list)
        return LB_ERR;
    const int selection = list->GetSelection();
    return selection == wxNOT_FOUND ? LB_ERR : selection;
}

int CListBox::SetCurSel(int index) {
    wxListBox* list = ListOf(this);
    if (!list)
        return LB_ERR;
    if (!InRange(list, index)) {
        list->SetSelection(wxNOT_FOUND);
        return LB_ERR;
    }
    list->SetSelection(index);
    return index;
}

int CListBox::GetText(int index, CString& text) const {
    const wxListBox* list = ListOf(this);
    if (!list || !InRange(list, index))
        return LB_ERR;
    text = FromWx(list->GetString(static_cast<unsigned>(index)));
    return text.GetLength();
}

int CListBox::FindStringExact(int startAfter, LPCTSTR text) const {
    const wxListBox* list = ListOf(this);
    if (!list)
        return LB_ERR;
    const int count = static_cast<int>(list->GetCount());
    const int first = startAfter >= 0 && startAfter < count ? startAfter + 1 : 0;
    const wxString wanted = ToWx(text).Lower();
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (list->GetString(static_cast<unsigned>(index)).Lower() == wanted)
            return index;
    }
    return LB_ERR;
}
