// The binding table's exchange with a form's real controls: values shown, spins set to their
// ranges without bounding what is typed, and typed values refused with the exchange's own
// messages (the focus back in the control) when they are no number, do not fit their column,
// exceed their text's limit or are no date.

#include "editors/QZFieldBinding.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CFormView.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

constexpr UINT kTemplate = 60011;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kSpin =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;

const DialogItemTemplate g_items[] = {
    {300, "Edit", "", kEdit, 7, 7, 80, 12},
    {301, "Edit", "", kEdit, 7, 22, 40, 12},
    {302, "msctls_updown32", "", kSpin, 47, 22, 10, 12},
    {303, "Edit", "", kEdit, 7, 37, 40, 12},
    {304, "Edit", "", kEdit, 7, 52, 80, 12},
    {305, "Button", "Flag", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 67, 50, 10},
    {306, "Edit", "", kEdit, 7, 80, 80, 12},
};
const DialogTemplate g_form = {kTemplate,
                               DS_SETFONT | WS_CHILD,
                               "",
                               "MS Sans Serif",
                               8,
                               0,
                               0,
                               160,
                               100,
                               g_items,
                               static_cast<int>(std::size(g_items))};

// The stored values the form edits.
struct Row {
    CString name = "Logo";
    int32_t space = 300;
    int32_t width = 31;
    COleDateTime taken;
    int32_t flag = 1;
    COleDateTime sent{2024, 1, 2, 0, 0, 0};
};

template <class T> QZFieldBinding::Column<T> Plain(T& stored) {
    return {[&stored] { return stored; }, [&stored](const T& value) { stored = value; }};
}

class BoundForm : public CFormView {
public:
    explicit BoundForm(Row& row) : CFormView(kTemplate) {
        using B = QZFieldBinding;
        binding.Text(300, name, Plain(row.name), 5)
            .Number(301, space, Plain(row.space), B::kByte, {302, 0, 100})
            .Number(303, width, Plain(row.width), B::kUnsignedShort)
            .Date(304, taken, Plain(row.taken))
            .Check(305, flag, Plain(row.flag))
            .Date(306, sent, Plain(row.sent), VAR_DATEVALUEONLY, B::DateEntry::readAtStore);
        binding.Fill();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        CFormView::DoDataExchange(pDX);
        binding.Exchange(pDX);
    }

    CString name;
    int space = 0, width = 0, flag = 0;
    COleDateTime taken, sent;
    QZFieldBinding binding;
};

class FieldExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogTemplates::Register(kTemplate, &g_form);
        row.taken.SetStatus(COleDateTime::null);
        ASSERT_TRUE(
            frame.Create(nullptr, "Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300)));
        form = std::make_unique<BoundForm>(row);
        ASSERT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &frame,
                                 AFX_IDW_PANE_FIRST));
        form->binding.InitSpins(form.get());
        form->UpdateData(FALSE);
    }
    void TearDown() override {
        form->DestroyWindow();
        form.reset();
        frame.DestroyWindow();
        SettleWindows();
        DialogTemplates::Register(kTemplate, nullptr);
    }
    std::string TextOf(int id) {
        CString text;
        form->GetDlgItem(id)->GetWindowText(text);
        return text.str();
    }
    void Type(int id, const char* text) { form->GetDlgItem(id)->SetWindowText(text); }

    Row row;
    CFrameWnd frame;
    std::unique_ptr<BoundForm> form;
    MessageBoxRecorder boxes;
};

TEST_F(FieldExchangeTest, TheControlsShowTheMembersAndTheSpinBoundsOnlyItsArrows) {
    EXPECT_EQ(TextOf(300), "Logo");
    EXPECT_EQ(TextOf(301), "300") << "a stored value over the spin's range stays";
    EXPECT_EQ(TextOf(303), "31");
    EXPECT_EQ(TextOf(304), "") << "a null date shows empty";
    EXPECT_EQ(TextOf(306), "") << "a date read at store opens empty";
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.SubclassDlgItem(302, form.get()));
    int low = -1, high = -1;
    spin.GetRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 100);
    spin.Detach();
    Type(301, "150");
    EXPECT_TRUE(form->UpdateData(TRUE)) << "typed beyond the spin, within the column";
    EXPECT_EQ(form->space, 150);
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(FieldExchangeTest, ValuesThatDoNotFitAreRefusedWithTheExchangesMessage) {
    struct Case {
        int id;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {300, "Logos!", "Please enter no more than 5 characters."},
        {301, "256", "Please enter an integer between 0 and 255."},
        {301, "-1", "Please enter an integer between 0 and 255."},
        {301, "abc", "Please enter an integer."},
        {301, "", "Please enter an integer."},
        {303, "70000", "Please enter an integer between 0 and 32767."},
        {303, "-5", "Please enter a positive integer."},
        {303, "99999999999", "Please enter a positive integer."},
        {304, "no date", "Please enter a date and/or time."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        // A refused save leaves the members as read; start again from the row.
        form->binding.Fill();
        form->UpdateData(FALSE);
        Type(301, "100");
        boxes.Clear();
        Type(c.id, c.typed);
        EXPECT_FALSE(form->UpdateData(TRUE));
        EXPECT_EQ(boxes.texts(), std::vector<std::string>{c.message});
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->GetDlgCtrlID(), c.id);
    }
    EXPECT_EQ(row.space, 300) << "nothing stored";
}

TEST_F(FieldExchangeTest, AcceptedValuesReachTheRowOnlyWhenStored) {
    Type(300, "Mast");
    Type(301, "255");
    Type(303, "32767");
    Type(304, "3/14/1999 10:20:00 AM");
    ASSERT_TRUE(form->UpdateData(TRUE));
    EXPECT_EQ(row.name, CString("Logo"));
    ASSERT_TRUE(form->binding.Store(nullptr, form.get()));
    EXPECT_EQ(row.name, CString("Mast"));
    EXPECT_EQ(row.space, 255);
    EXPECT_EQ(row.width, 32767);
    EXPECT_EQ(row.taken, COleDateTime(1999, 3, 14, 10, 20, 0));
    EXPECT_EQ(row.sent, COleDateTime(2024, 1, 2, 0, 0, 0)) << "an empty edit keeps the date";
}

TEST_F(FieldExchangeTest, ADateReadAtStoreRefusesAfterTheFieldsBeforeIt) {
    Type(300, "Mast");
    Type(301, "100");
    Type(306, "tomorrow-ish");
    ASSERT_TRUE(form->UpdateData(TRUE));
    EXPECT_FALSE(form->binding.Store(nullptr, form.get()));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Please enter a date and/or time."});
    EXPECT_EQ(row.name, CString("Mast")) << "stored before the date";
    EXPECT_EQ(row.sent, COleDateTime(2024, 1, 2, 0, 0, 0));

    Type(306, "5/6/2025");
    ASSERT_TRUE(form->binding.Store(nullptr, form.get()));
    EXPECT_EQ(row.sent, COleDateTime(2025, 5, 6, 0, 0, 0));
}

} // namespace
