#pragma once
// A property dialog over one list of the selected site's objects: the command's key is chosen
// in the list when the dialog opens, and the key the user chooses goes back into the command
// at once and again on OK.

#include "editors/QZCommandPropsDlg.h"

#include <functional>

class QZObjectPropsDlg : public QZCommandPropsDlg {
public:
    using KeyWriter = std::function<void(const QZKeyCombo&)>;

    // `key` is the command's; `writeKey` puts a key back into the command.
    QZObjectPropsDlg(UINT templateId, QZListComboBox& list, const QZKeyCombo& key,
                     KeyWriter writeKey);

    // The command's key as the dialog holds it.
    const QZKeyCombo& GetKey() const { return m_Key; }

protected:
    void FillLists() override;
    void OnObjectChosen() override;
    // Stores the key; the members that hand back more extend it.
    void StoreFields() override;

    QZKeyCombo m_Key;

private:
    KeyWriter m_writeKey;
};
