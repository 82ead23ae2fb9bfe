#include "platform/ui/CWnd.h"
#include "platform/ui/MainWnd.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/panel.h>

namespace {

class CWndTest : public ::testing::Test {
protected:
    CWndTest() {
        frame = new wxFrame(nullptr, wxID_ANY, "Main");
        panel = new wxPanel(frame, 42);
        main.Attach(frame);
    }
    ~CWndTest() override {
        SetMainWnd(nullptr);
        main.DestroyWindow();
        SettleWindows();
    }

    CWnd main;
    wxFrame* frame;
    wxPanel* panel;
};

} // namespace

TEST_F(CWndTest, EnableWindowReturnsWhetherTheWindowWasDisabled) {
    EXPECT_FALSE(main.EnableWindow(FALSE));
    EXPECT_FALSE(main.IsWindowEnabled());
    EXPECT_FALSE(frame->IsThisEnabled());
    EXPECT_TRUE(main.EnableWindow(FALSE));
    EXPECT_TRUE(main.EnableWindow(TRUE));
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_FALSE(main.EnableWindow(TRUE));
}

TEST_F(CWndTest, SafeOwnerIsTheTopLevelWindowOfTheParentOrTheMainWindow) {
    CWnd* child = main.GetDlgItem(42);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(CWnd::GetSafeOwner(child), &main);
    EXPECT_EQ(CWnd::GetSafeOwner(nullptr), nullptr);
    SetMainWnd(&main);
    EXPECT_EQ(CWnd::GetSafeOwner(nullptr), &main);
    CWnd windowless;
    EXPECT_EQ(CWnd::GetSafeOwner(&windowless), &main);
}

TEST_F(CWndTest, FromHandleGivesTheOwningObjectOrOneLastingStandIn) {
    EXPECT_EQ(CWnd::FromHandle(frame), &main);
    CWnd* standIn = CWnd::FromHandle(panel);
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->GetSafeHwnd(), panel);
    EXPECT_EQ(CWnd::FromHandle(panel), standIn);
    EXPECT_EQ(main.GetDlgItem(42), standIn);
    EXPECT_EQ(main.GetDlgItem(43), nullptr);
    EXPECT_EQ(standIn->GetParent(), &main);
    EXPECT_EQ(standIn->GetDlgCtrlID(), 42);
}

TEST_F(CWndTest, AWindowHasOneOwnerAndAnOwnerOneWindow) {
    CWnd other;
    EXPECT_FALSE(other.Attach(frame));
    EXPECT_FALSE(main.Attach(panel));
    CWnd panelOwner;
    EXPECT_TRUE(panelOwner.SubclassDlgItem(42, &main));
    EXPECT_EQ(main.GetDlgItem(42), &panelOwner);
    EXPECT_EQ(panelOwner.Detach(), panel);
    EXPECT_NE(main.GetDlgItem(42), &panelOwner);
    EXPECT_FALSE(panelOwner.SubclassDlgItem(99, &main));
}

TEST_F(CWndTest, WindowDeletedByTheWindowSystemLeavesItsObjectWindowless) {
    CWnd panelOwner;
    ASSERT_TRUE(panelOwner.SubclassDlgItem(42, &main));
    delete panel;
    EXPECT_EQ(panelOwner.GetSafeHwnd(), nullptr);
    EXPECT_EQ(main.GetDlgItem(42), nullptr);
}

TEST_F(CWndTest, DestroyingAWindowLetsGoOfTheControlsInsideIt) {
    CWnd panelOwner;
    ASSERT_TRUE(panelOwner.SubclassDlgItem(42, &main));
    EXPECT_TRUE(main.DestroyWindow());
    EXPECT_EQ(main.GetSafeHwnd(), nullptr);
    EXPECT_EQ(panelOwner.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(main.DestroyWindow());
}

TEST_F(CWndTest, WindowTextRoundTripsAsUtf8) {
    main.SetWindowText("Caf\xC3\xA9 \xE2\x80\x94 Main");
    CString text;
    main.GetWindowText(text);
    EXPECT_EQ(text, "Caf\xC3\xA9 \xE2\x80\x94 Main");
    EXPECT_EQ(frame->GetTitle(), wxString::FromUTF8("Caf\xC3\xA9 \xE2\x80\x94 Main"));
}
