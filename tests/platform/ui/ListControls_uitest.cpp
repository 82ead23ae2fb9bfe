// The combo box, list box, edit field and radio buttons of dialog templates on a real display:
// their entries, selection, item data, search and text, the notifications they send their
// dialog, and a dialog run modally until it is ended.

#include "platform/core/MessageBox.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CCheckListBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/DialogModalLoop.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <utility>
#include <vector>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const DialogItemTemplate kItems[] = {
    {701, "ComboBox", "", kChild | CBS_DROPDOWNLIST, 7, 5, 100, 80},
    {702, "ComboBox", "", kChild | CBS_DROPDOWN, 7, 22, 100, 80},
    {703, "ListBox", "", kChild | WS_BORDER | LBS_NOTIFY, 7, 40, 100, 40},
    {704, "Edit", "start", kChild | WS_BORDER, 7, 84, 100, 12},
    {705, "Button", "&One", kChild | WS_GROUP | BS_AUTORADIOBUTTON, 115, 5, 40, 10},
    {706, "Button", "&Two", kChild | BS_AUTORADIOBUTTON, 115, 17, 40, 10},
    {IDOK, "Button", "OK", kChild | BS_DEFPUSHBUTTON, 115, 40, 40, 14},
};
const DialogTemplate kDialog{
    7301, WS_POPUP | WS_CAPTION | DS_MODALFRAME, "Lists", "", 8, 0, 0, 160, 100, kItems, 7};

// A dialog that notes the notifications of its controls.
class ListDialog : public CDialog {
public:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        list.SubclassDlgItem(701, this);
        editable.SubclassDlgItem(702, this);
        lines.SubclassDlgItem(703, this);
        edit.SubclassDlgItem(704, this);
        return TRUE;
    }
    int Result() const { return m_nModalResult; }

    CComboBox list, editable;
    CListBox lines;
    CEdit edit;
    std::vector<std::pair<int, int>> notes; // (control id, notification)

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != IDOK)
            notes.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

class ListControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogTemplates::Register(kDialog.id, &kDialog);
        ASSERT_TRUE(dialog.Create(kDialog.id));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    static void Send(wxWindow* control, wxEventType type, int index) {
        wxCommandEvent event(type, control->GetId());
        event.SetEventObject(control);
        event.SetInt(index);
        control->GetEventHandler()->ProcessEvent(event);
    }

    ListDialog dialog;
};

TEST_F(ListControlsTest, AComboKeepsEntriesDataAndSelection) {
    CComboBox& combo = dialog.list;
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.AddString("Beta"), 0);
    EXPECT_EQ(combo.AddString("alphabet"), 1);
    EXPECT_EQ(combo.InsertString(0, "Gamma"), 0);
    EXPECT_EQ(combo.InsertString(9, "Nowhere"), CB_ERR);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.SetItemData(2, 42), 0);
    EXPECT_EQ(combo.GetItemData(2), 42u);
    EXPECT_EQ(combo.FindString(-1, "ALPHA"), 2);
    EXPECT_EQ(combo.FindStringExact(-1, "alpha"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(1, "gamma"), 0); // the search wraps round
    EXPECT_EQ(combo.SelectString(-1, "bet"), 1);
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, "Beta");
    EXPECT_EQ(combo.GetLBText(2, text), 8);
    EXPECT_EQ(text, "alphabet");
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetCurSel(), 0); // "Beta" moved up with its selection
    EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ListControlsTest, AnEditableCombosTextIsAnEditField) {
    CComboBox& combo = dialog.editable;
    combo.AddString("Amy");
    EXPECT_TRUE(combo.LimitText(5));
    EXPECT_FALSE(dialog.list.LimitText(5)); // a drop-down list has no text field
    // The program's own text is never cut; what the user types is.
    combo.SetWindowText("Newcomer");
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, "Newcomer");
    combo.SetWindowText("Ann");
    auto* field = dynamic_cast<wxComboBox*>(combo.GetSafeHwnd());
    ASSERT_NE(field, nullptr);
    for (const char* key : {"1", "2", "3"}) { // typed one key at a time
        field->SetInsertionPointEnd();
        field->WriteText(key);
    }
    combo.GetWindowText(text);
    EXPECT_EQ(text, "Ann12");
    combo.SetCurSel(0);
    combo.GetWindowText(text);
    EXPECT_EQ(text, "Amy");
    combo.SetCurSel(-1);
    combo.GetWindowText(text);
    EXPECT_EQ(text, "");
}

TEST_F(ListControlsTest, AnEditFieldsTextIsCappedAsTyped) {
    CEdit& edit = dialog.edit;
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "start");
    edit.LimitText(3);
    edit.GetWindowText(text);
    EXPECT_EQ(text, "start");
    edit.SetWindowText("ab");
    auto* field = dynamic_cast<wxTextCtrl*>(edit.GetSafeHwnd());
    ASSERT_NE(field, nullptr);
    for (const char* key : {"c", "d", "e"}) {
        field->SetInsertionPointEnd();
        field->WriteText(key);
    }
    edit.GetWindowText(text);
    EXPECT_EQ(text, "abc");
}

TEST_F(ListControlsTest, AListBoxKeepsLinesAndSelection) {
    CListBox& lines = dialog.lines;
    lines.AddString("One");
    lines.AddString("Two");
    EXPECT_EQ(lines.GetCount(), 2);
    EXPECT_EQ(lines.GetCurSel(), LB_ERR);
    EXPECT_EQ(lines.FindStringExact(-1, "two"), 1);
    EXPECT_EQ(lines.SetCurSel(1), 1);
    CString text;
    EXPECT_EQ(lines.GetText(lines.GetCurSel(), text), 3);
    EXPECT_EQ(text, "Two");
    EXPECT_EQ(lines.SetCurSel(5), LB_ERR);
    EXPECT_EQ(lines.GetCurSel(), LB_ERR);
}

TEST_F(ListControlsTest, ThePicksOfTheUserReachTheDialog) {
    dialog.list.AddString("Beta");
    dialog.lines.AddString("One");
    wxWindow* window = dialog.GetSafeHwnd();
    Send(window->FindWindow(701), wxEVT_COMBOBOX, 0);
    Send(window->FindWindow(703), wxEVT_LISTBOX, 0);
    Send(window->FindWindow(703), wxEVT_LISTBOX_DCLICK, 0);
    Send(window->FindWindow(706), wxEVT_RADIOBUTTON, 0);
    const std::vector<std::pair<int, int>> expected{{701, static_cast<int>(CBN_SELCHANGE)},
                                                    {701, static_cast<int>(CBN_SELENDOK)},
                                                    {703, static_cast<int>(LBN_SELCHANGE)},
                                                    {703, static_cast<int>(LBN_DBLCLK)},
                                                    {706, static_cast<int>(BN_CLICKED)}};
    EXPECT_EQ(dialog.notes, expected);
    // The radio buttons are one group.
    CButton one, two;
    one.SubclassDlgItem(705, &dialog);
    two.SubclassDlgItem(706, &dialog);
    two.SetCheck(BST_CHECKED);
    EXPECT_EQ(one.GetCheck(), BST_UNCHECKED);
    one.SetCheck(BST_CHECKED);
    EXPECT_EQ(two.GetCheck(), BST_UNCHECKED);
}

TEST_F(ListControlsTest, AnEditTellsItsDialogOfTheUsersChangesOnly) {
    auto* field = dynamic_cast<wxTextCtrl*>(dialog.GetSafeHwnd()->FindWindow(704));
    ASSERT_NE(field, nullptr);
    dialog.edit.SetWindowText("set by the program");
    EXPECT_TRUE(dialog.notes.empty());
    field->SetValue("typed"); // as typing does
    const std::vector<std::pair<int, int>> typed{{704, static_cast<int>(EN_CHANGE)}};
    EXPECT_EQ(dialog.notes, typed);
    // Replacing the whole text goes as typing would: noticed, and the old text is gone.
    dialog.edit.SetSel(0, -1);
    dialog.edit.ReplaceSel("/data/shop.db", TRUE);
    CString text;
    dialog.edit.GetWindowText(text);
    EXPECT_EQ(text, CString("/data/shop.db"));
    EXPECT_EQ(dialog.notes.size(), 2u);
    EXPECT_EQ(dialog.notes.back(), typed.front());
}

TEST_F(ListControlsTest, AModalRunEndsWithTheDialog) {
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { dialog.OnOK(); });
    timer.StartOnce(100);
    EXPECT_TRUE(RunDialogModalLoop(dialog));
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
}

// A check list, a multi-line edit and an edit with its up-down control.
constexpr DWORD kCheckListStyle =
    kChild | WS_BORDER | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
const DialogItemTemplate kMoreItems[] = {
    {711, "ListBox", "", kCheckListStyle, 7, 5, 100, 40},
    {712, "Edit", "", kChild | WS_BORDER | 0x0004 | 0x1000, 7, 50, 100, 30}, // ES_MULTILINE
    {713, "Edit", "", kChild | WS_BORDER, 7, 84, 40, 12},
    {714, "msctls_updown32", "", kChild | UDS_SETBUDDYINT | UDS_AUTOBUDDY, 48, 84, 10, 12},
};
const DialogTemplate kMoreDialog{
    7302, WS_POPUP | WS_CAPTION | DS_MODALFRAME, "More", "", 8, 0, 0, 160, 100, kMoreItems, 4};

TEST(MoreListControlsTest, CheckListMultiLineEditAndSpinWorkAsTheProgramExpects) {
    DialogTemplates::Register(kMoreDialog.id, &kMoreDialog);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kMoreDialog.id));
    CCheckListBox checks;
    CEdit lines, number;
    CSpinButtonCtrl spin;
    ASSERT_TRUE(checks.SubclassDlgItem(711, &dialog));
    ASSERT_TRUE(lines.SubclassDlgItem(712, &dialog));
    ASSERT_TRUE(number.SubclassDlgItem(713, &dialog));
    ASSERT_TRUE(spin.SubclassDlgItem(714, &dialog));

    EXPECT_EQ(checks.AddString("Name"), 0);
    EXPECT_EQ(checks.AddString("Price"), 1);
    checks.SetCheck(1, 1);
    EXPECT_EQ(checks.GetCheck(0), 0);
    EXPECT_EQ(checks.GetCheck(1), 1);
    EXPECT_EQ(checks.GetCheck(7), -1);
    CString text;
    checks.GetText(1, text);
    EXPECT_EQ(text.str(), "Price");

    // The program's line breaks are CR LF, whatever the toolkit keeps.
    lines.SetWindowText("a=???\r\nb=???");
    EXPECT_EQ(dynamic_cast<wxTextCtrl*>(lines.GetSafeHwnd())->GetNumberOfLines(), 2);
    lines.GetWindowText(text);
    EXPECT_EQ(text.str(), "a=???\r\nb=???");

    // The spin writes its position, within its range, into the edit before it.
    spin.SetRange(0, 100);
    spin.SetPos(42);
    number.GetWindowText(text);
    EXPECT_EQ(text.str(), "42");
    spin.SetPos(500);
    EXPECT_EQ(spin.GetPos(), 100);
    number.GetWindowText(text);
    EXPECT_EQ(text.str(), "100");
    dialog.DestroyWindow();
}

} // namespace
