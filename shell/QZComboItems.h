#pragma once
// The items behind an object combo box: the owned list of named keys it shows, one entry for
// each in list order, and what the last fill did to the control (its selection, and whether
// it disabled the control). The combo boxes keep their logic here, so that it is the same for
// every one of them and can be checked without a window.

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"
#include "platform/core/CString.h"

class CComboBox;

class QZComboItems {
public:
    // How an entry shows its object: the name alone, or name + "  (" + short key + ")".
    enum EntryText { nameOnly, nameAndKey };

    explicit QZComboItems(EntryText entryText);
    ~QZComboItems();
    QZComboItems(const QZComboItems&) = delete;
    QZComboItems& operator=(const QZComboItems&) = delete;

    // Deletes the old items and list and takes over `list` (null: no items), with the "None"
    // item (key 0:0, page type) at its head when addNone is set.
    void Load(QZNameAndKeyList* list, BOOL addNone);
    // Empties the control, adds the entries, and selects the entry of `key`, else the first
    // entry when there is one; the selection is remembered as the fill's.
    void FillControl(CComboBox& combo, const QZKeyCombo& key);
    // Remembers that a fill disabled the control and left it as it was.
    void NoteDisabled() { m_bDisabled = TRUE; }

    int GetCount() const;
    // The entry text of the item at `index`: the name alone for the keys 0:0 and -1:-1.
    CString GetEntryText(int index) const;
    // The index of the first item whose key equals `key` (DbID and KeyID), or -1.
    int FindKey(const QZKeyCombo& key) const;
    // The key of the item at `index`; the empty key -1:-1 for a negative index or one past
    // the list. Valid until the next Load.
    const QZKeyCombo& GetKey(int index) const;
    // The key of the control's selected entry; without a window, of the entry the last fill
    // selected.
    const QZKeyCombo& GetSelectedKey(const CComboBox& combo) const;

    // The entry the last fill selected (-1: none), and whether a fill disabled the control.
    int GetFillSelection() const { return m_nFillSelection; }
    BOOL IsDisabled() const { return m_bDisabled; }
    // The items, null before the first load.
    const QZNameAndKeyList* GetList() const { return m_pList; }

private:
    const QZNameAndKey* ItemAt(int index) const;

    EntryText m_entryText;
    QZNameAndKeyList* m_pList = nullptr;
    QZKeyCombo m_EmptyKey;
    int m_nFillSelection = -1;
    BOOL m_bDisabled = FALSE;
};
