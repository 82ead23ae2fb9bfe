#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CView.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/tabs/SECTabWnd.h"

#include <wx/app.h>

namespace {

// A view whose window cannot be made.
class FailingView : public CView {
    DECLARE_DYNCREATE(FailingView)
public:
    static int alive;
    FailingView() { ++alive; }
    ~FailingView() override { --alive; }
    BOOL Create(LPCTSTR, LPCTSTR, DWORD, const RECT&, CWnd*, UINT, CCreateContext*) override {
        return FALSE;
    }
};
int FailingView::alive = 0;
IMPLEMENT_DYNCREATE(FailingView, CView)

// A tab window that lets a switch happen only when allowed, and records the notices.
class GuardedTabWnd : public SECTabWnd {
public:
    bool allow = true;
    int notices = 0;

protected:
    LRESULT OnTabSelect(WPARAM wParam, LPARAM lParam) override {
        ++notices;
        return allow ? SECTabWnd::OnTabSelect(wParam, lParam) : 0;
    }
};

class TabWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(nullptr, "Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(40, 40, 440, 340)));
        ASSERT_TRUE(tabs.Create(&frame, WS_CHILD | WS_VISIBLE | 1, 59648));
        tabs.MoveWindow(0, 0, 400, 300);
    }
    void TearDown() override { frame.DestroyWindow(); }

    CFrameWnd frame;
    GuardedTabWnd tabs;
};

TEST_F(TabWndTest, ViewsGetDefaultIdsAndAControlJoinsAsAClient) {
    for (const char* label : {"Text", "Header", "Attributes"})
        ASSERT_NE(tabs.AddTab(RUNTIME_CLASS(CView), label, nullptr), nullptr);
    for (int i = 0; i < 3; ++i) {
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* client = nullptr;
        DWORD extra = 0;
        ASSERT_TRUE(tabs.GetTabInfo(i, label, selected, client, extra));
        EXPECT_EQ(client->GetDlgCtrlID(), 60160 + i);
    }
    CWnd output;
    ASSERT_TRUE(output.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &tabs, 1));
    ASSERT_NE(tabs.AddTab(&output, "Output"), nullptr);
    tabs.ActivateTabByIndex(3);
    tabs.ScrollToTab(3);
    EXPECT_EQ(tabs.GetActiveWnd(), &output);
    EXPECT_TRUE(output.IsWindowVisible());
    int index = -1;
    EXPECT_TRUE(tabs.FindTab(&output, index));
    EXPECT_EQ(index, 3);
    CRect inside;
    output.GetWindowRect(&inside);
    EXPECT_EQ(inside.Width(), 400);
}

TEST_F(TabWndTest, ARefusedSelectionKeepsTheOldClient) {
    tabs.AddTab(RUNTIME_CLASS(CView), "Text", nullptr);
    tabs.AddTab(RUNTIME_CLASS(CView), "Header", nullptr);
    tabs.ActivateTabByIndex(0);
    CWnd* first = tabs.GetActiveWnd();
    ASSERT_NE(first, nullptr);
    tabs.allow = false;
    const int before = tabs.notices;
    tabs.GetTabControl()->ActivateTab(1);
    EXPECT_EQ(tabs.notices, before + 1);
    EXPECT_EQ(tabs.GetActiveWnd(), first);
    tabs.allow = true;
    tabs.ActivateTabByIndex(1);
    EXPECT_NE(tabs.GetActiveWnd(), first);
    EXPECT_FALSE(first->IsWindowVisible());
}

TEST_F(TabWndTest, AClientThatCannotBeMadeGetsNoTab) {
    EXPECT_EQ(tabs.AddTab(RUNTIME_CLASS(FailingView), "Broken", nullptr), nullptr);
    EXPECT_EQ(tabs.InsertTab(RUNTIME_CLASS(FailingView), 0, "Broken", nullptr), nullptr);
    EXPECT_EQ(tabs.GetTabCount(), 0);
    EXPECT_EQ(FailingView::alive, 0);
}

TEST_F(TabWndTest, PerTabScrollFlagsFollowInsertAndDelete) {
    tabs.AddTab(RUNTIME_CLASS(CView), "A", nullptr);
    tabs.AddTab(RUNTIME_CLASS(CView), "B", nullptr);
    tabs.SetTabScrollFlags(1, WS_HSCROLL);
    tabs.InsertTab(RUNTIME_CLASS(CView), 0, "First", nullptr);
    EXPECT_EQ(tabs.GetTabScrollFlags(2), DWORD(WS_HSCROLL));
    tabs.ActivateTabByIndex(2);
    EXPECT_NE(tabs.GetScrollBar(SB_HORZ), nullptr);
    EXPECT_EQ(tabs.GetScrollBar(SB_VERT), nullptr);
    tabs.DeleteTab(0);
    EXPECT_EQ(tabs.GetTabScrollFlags(1), DWORD(WS_HSCROLL));
    EXPECT_EQ(tabs.GetTabScrollFlags(0), 0u);
}

} // namespace
