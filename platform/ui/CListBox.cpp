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

int CListBox::DeleteString(UINT index) {
    wxListBox* list = ListOf(this);
    if (!list || !InRange(list, static_cast<int>(index)))
        return LB_ERR;
    list->Delete(index);
    return static_cast<int>(list->GetCount());
}

int CListBox::GetSel(int index) const {
    const wxListBox* list = ListOf(this);
    if (!list || !InRange(list, index))
        return LB_ERR;
    return list->IsSelected(index) ? 1 : 0;
}

int CListBox::SetSel(int index, BOOL select) {
    wxListBox* list = ListOf(this);
    if (!list)
        return LB_ERR;
    if (index == -1) {
        for (unsigned line = 0; line < list->GetCount(); ++line)
            select ? list->SetSelection(static_cast<int>(line))
                   : list->Deselect(static_cast<int>(line));
        return 0;
    }
    if (!InRange(list, index))
        return LB_ERR;
    select ? list->SetSelection(index) : list->Deselect(index);
    return 0;
}

int CListBox::GetSelCount() const {
    const wxListBox* list = ListOf(this);
    if (!list)
        return LB_ERR;
    wxArrayInt selections;
    return list->GetSelections(selections);
}
