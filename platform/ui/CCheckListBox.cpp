#include "platform/ui/CCheckListBox.h"

#include <wx/checklst.h>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

namespace {

wxCheckListBox* ChecksOf(const CCheckListBox* list) {
    return dynamic_cast<wxCheckListBox*>(list->GetSafeHwnd());
}

bool InRange(const wxCheckListBox* list, int index) {
    return list && index >= 0 && static_cast<unsigned>(index) < list->GetCount();
}

} // namespace

int CCheckListBox::GetCheck(int index) const {
    const wxCheckListBox* list = ChecksOf(this);
    return InRange(list, index) && list->IsChecked(static_cast<unsigned>(index)) ? 1 : 0;
}

void CCheckListBox::SetCheck(int index, int check) {
    wxCheckListBox* list = ChecksOf(this);
    if (InRange(list, index))
        list->Check(static_cast<unsigned>(index), check != 0);
}
