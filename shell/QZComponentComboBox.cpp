#include "shell/QZComponentComboBox.h"

#include "content/QZComponentMover.h"
#include "db/QZApplication.h"

void QZComponentComboBox::LoadComponents() {
    m_Entries.clear();
    QZStringPtrList* list = ListInstalledComponents(&GetVantrelApp()->GetVantrelDb());
    if (!list)
        return;
    while (!list->IsEmpty()) {
        CString* entry = list->RemoveHead();
        m_Entries.push_back(*entry);
        delete entry;
    }
    delete list;
}

CString QZComponentComboBox::FormatEntry(const CString& entry) {
    CString line = entry;
    const int first = line.Find('\t');
    if (first < 0)
        return line;
    line = line.Left(first) + ": " + line.Mid(first + 1);
    const int second = line.Find('\t', first + 2);
    if (second < 0)
        return line;
    return line.Left(second) + " (v" + line.Mid(second + 1) + ")";
}

void QZComponentComboBox::ShowComponents() {
    for (const CString& entry : m_Entries)
        AddString(FormatEntry(entry));
}

void QZComponentComboBox::FillComponents(int index) {
    LoadComponents();
    ResetContent();
    ShowComponents();
    if (index == -1)
        index = 0;
    if (index >= 0 && index < GetCount())
        SetCurSel(index);
}

CString QZComponentComboBox::GetSelectedComponent() const {
    const int line = GetCurSel();
    if (line < 0 || static_cast<size_t>(line) >= m_Entries.size())
        return CString();
    return m_Entries[static_cast<size_t>(line)];
}
