#include "shell/QZGenerateObjectComboBox.h"

#include "db/QZApplication.h"
#include "db/QZListLoaders.h"

namespace {

using Loader = QZNameAndKeyList* (*)(const QZKeyCombo&, BOOL);

// The loader of each mode's objects; the site-wide modes 0 and 1 have none.
Loader LoaderOf(int mode) {
    static const Loader loaders[] = {
        nullptr,
        nullptr,
        LoadListSections,
        LoadListDocumentsByService,
        LoadListTemplates,
        LoadListImagesByService,
        LoadListForms,
        LoadListQueriesByService,
        LoadListActiveXByService,
        LoadListJavaByService,
        LoadListScriptsByService,
        LoadListMediaByService,
        LoadListStyles,
    };
    if (mode < 0 || mode >= static_cast<int>(std::size(loaders)))
        return nullptr;
    return loaders[mode];
}

} // namespace

QZGenerateObjectComboBox::~QZGenerateObjectComboBox() {
    FreeList();
}

void QZGenerateObjectComboBox::FreeList() {
    DeleteNameAndKeyList(m_pList);
    m_pList = nullptr;
}

void QZGenerateObjectComboBox::LoadObjects(int mode) {
    FreeList();
    const Loader loader = LoaderOf(mode);
    if (!loader) {
        ShowWindow(SW_HIDE);
        EnableWindow(FALSE);
        return;
    }
    m_pList = loader(GetVantrelApp()->GetCurrentServiceKey(), FALSE);
    ShowWindow(SW_SHOW);
    EnableWindow(TRUE);
}

void QZGenerateObjectComboBox::FillCombo(int mode, const QZKeyCombo& key) {
    LoadObjects(mode);
    ResetContent();
    if (!m_pList)
        return;
    int chosen = -1;
    int line = 0;
    for (POSITION pos = m_pList->GetHeadPosition(); pos; ++line) {
        const QZNameAndKey* item = m_pList->GetNext(pos);
        AddString(item->m_Name);
        if (chosen < 0 && item->m_Key == key)
            chosen = line;
    }
    if (chosen < 0 && GetCount() > 0)
        chosen = 0;
    if (chosen >= 0)
        SetCurSel(chosen);
}

const QZKeyCombo& QZGenerateObjectComboBox::GetSelectedKey() const {
    const int line = GetCurSel();
    if (!m_pList || line < 0)
        return m_EmptyKey;
    const POSITION pos = m_pList->FindIndex(line);
    return pos ? m_pList->GetAt(pos)->m_Key : m_EmptyKey;
}

void QZGenerateObjectComboBox::OnDestroy() {
    FreeList();
    CComboBox::OnDestroy();
}
