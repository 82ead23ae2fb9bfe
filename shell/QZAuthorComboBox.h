#pragma once
// A combo box of the authors (deleted ones left out), by name, into which a new name may be
// typed; it hands back the key of the author picked, -1:-1 when none is picked.

#include "platform/ui/CComboBox.h"
#include "shell/QZComboItems.h"

class QZAuthorComboBox : public CComboBox {
public:
    QZAuthorComboBox();

    // Reads the list of authors, fills the control and selects the author of `author`, else
    // the first. Engine errors pass on.
    void Fill(const QZKeyCombo& author);
    // Makes the typed or selected name an author: the author of that name, or a new author
    // with that name when none has it; then fills the control selecting that author. A name
    // that is empty or blank makes no author and changes nothing. Engine errors pass on.
    void CommitTypedName();
    // The key of the selected author, or -1:-1; valid until the next fill.
    const QZKeyCombo& GetSelectedKey() const;

    const QZComboItems& GetItems() const { return m_Items; }

private:
    // The key of the author of that exact name, made when there is none.
    static QZKeyCombo AuthorKeyOf(const CString& name);

    QZComboItems m_Items;
};
