#pragma once
// What the property dialogs of the template commands share: a modal run over the main window,
// the object list (1161) with its "None" entry, the "Other:" text (1016), and the exchange of
// texts, numbers, the alignment list and check boxes with their controls. A dialog reads the
// command's fields when it opens and writes them back only on OK.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinButtonCtrl.h"

class QZListComboBox;

class QZCommandPropsDlg : public CDialog {
public:
    // The dialog of template `templateId` over the object list `list` (a member of the
    // derived dialog).
    QZCommandPropsDlg(UINT templateId, QZListComboBox& list);

    // Runs the dialog over the main window: IDOK or IDCANCEL; -1 when it cannot be shown.
    INT_PTR DoModal();

    // The "Other:" text; exchanged with its control unless the dialog only shows it.
    CString m_strOther;

protected:
    BOOL OnInitDialog() override;
    // Reads and checks the controls; then StoreFields and the end with IDOK. A refused value
    // keeps the dialog open.
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Fills the lists as the dialog opens (before the controls get the fields).
    virtual void FillLists() = 0;
    // Writes the fields back into the command after OK.
    virtual void StoreFields() = 0;
    // The user chose in the object list (1161) or the section list (1028); the controls have
    // been read before and are refreshed after.
    virtual void OnObjectChosen() {}
    virtual void OnSectionChosen() {}

    // Fills the object list under `parent`, choosing `key`: "None" for a command without a
    // key, no entry for a key the list lacks (that key is then kept on OK unless the user
    // picks an entry).
    void FillObjectList(const QZKeyCombo& parent, const QZKeyCombo& key);
    // The key to store on OK: the list's chosen entry, or `current` when the command's key
    // was not in the list and the user has picked nothing.
    QZKeyCombo ChosenKey(const QZKeyCombo& current) const;
    // The selected key of the list (0:0 for "None", -1:-1 when nothing is chosen).
    const QZKeyCombo& SelectedKey() const;

    // The site the user works on, and its section.
    static QZKeyCombo SelectedSite();
    static QZKeyCombo SelectedSection();
    // A key that names no object: none given, unset, empty or "None".
    static BOOL IsNoKey(const QZKeyCombo& key);

    QZListComboBox& m_List;
    CEdit m_OtherEdit;
    // FALSE for the dialogs that show the "Other:" text without exchanging it.
    BOOL m_bExchangeOther = TRUE;

private:
    // Reads the controls into the fields without a message, keeping a field whose control
    // holds no number.
    void ReadQuietly();

    UINT m_nTemplate;
    BOOL m_bPicked = FALSE;
    BOOL m_bKeyListed = TRUE;
};

// The exchange of one field with its control. A number field that does not hold a number
// shows "Please enter an integer." and refuses the exchange, unless the exchange is quiet,
// which keeps the field as it was.
void ExchangeText(CDataExchange* pDX, CEdit& edit, CString& value);
void ExchangeNumber(CDataExchange* pDX, CEdit& edit, LONG& value, BOOL quiet = FALSE);
void ExchangeCheck(CDataExchange* pDX, CButton& box, BOOL& value);
// The chosen entry's index, -1 for none.
void ExchangeIndex(CDataExchange* pDX, CComboBox& list, int& index);

// The alignment list (1163): "Left" to "Middle" for the stored numbers 1 to 5.
void FillAlignments(CComboBox& list);
// The entry of a stored alignment (-1 for one outside 1 to 5), and the number of an entry (0
// for none).
int AlignIndex(LONG align);
LONG AlignNumber(int index);
