#include "platform/ui/CCmdUI.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/GeometryPrint.h"

#include <string>
#include <vector>

namespace {

// A bar of a fixed thickness along its side, whose idle update asks the frame about one
// command.
class StripBar : public CControlBar {
public:
    explicit StripBar(int thickness) : m_thickness(thickness) {}
    CSize CalcDynamicLayout(int, DWORD dwMode) override {
        return (dwMode & LM_HORZ) ? CSize(32767, m_thickness) : CSize(m_thickness, 32767);
    }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {
        CCmdUI ui;
        ui.m_nID = 4242;
        ui.m_pOther = this;
        handled = ui.DoUpdate(pTarget, bDisableIfNoHndler);
        ++updates;
    }
    BOOL handled = FALSE;
    int updates = 0;

private:
    int m_thickness;
};

// A frame that answers the update of one command and records its status prompts.
class Frame : public CMDIFrameWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
        if (nID == 4242 && nCode == CN_UPDATE_COMMAND_UI && answer) {
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    bool answer = true;
};

class Child : public CMDIChildWnd {
public:
    void OnSysCommand(UINT nID, LPARAM lParam) override {
        commands.push_back(nID);
        CMDIChildWnd::OnSysCommand(nID, lParam);
    }
    void OnClose() override { ++closes; }
    std::vector<UINT> commands;
    int closes = 0;
};

// A mouse message at a point given in the window's client coordinates when the gesture began.
void At(CWnd* wnd, UINT message, CPoint start, CPoint origin, UINT flags = 0) {
    CPoint point = start + origin;
    wnd->ScreenToClient(&point);
    wnd->SendMessage(message, flags, MAKELPARAM(point.x, point.y));
}

CPoint Origin(CWnd* wnd) {
    CPoint origin;
    wnd->ClientToScreen(&origin);
    return origin;
}

CRect InParent(CWnd* wnd) {
    CRect rect;
    wnd->GetWindowRect(&rect);
    wnd->GetParent()->ScreenToClient(&rect);
    return rect;
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            frame.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
        SetMainWnd(&frame);
        SettleWindows();
    }
    void TearDown() override {
        SetMainWnd(nullptr);
        frame.DestroyWindow();
        SettleWindows();
    }
    Frame frame;
};

} // namespace

TEST_F(FrameTest, BarsTakeTheirPartsAndThePaneTheRest) {
    StripBar top(30), left(50), status(20);
    ASSERT_TRUE(status.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, CRect(), &frame,
                              AFX_IDW_STATUS_BAR));
    status.SetBarStyle(CBRS_ALIGN_BOTTOM);
    ASSERT_TRUE(top.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(), &frame, 59400));
    top.SetBarStyle(CBRS_ALIGN_TOP);
    ASSERT_TRUE(left.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(), &frame, 59401));
    left.SetBarStyle(CBRS_ALIGN_LEFT);
    frame.RecalcLayout();
    SettleWindows();
    CRect client;
    frame.GetClientRect(&client);
    EXPECT_EQ(InParent(&status), CRect(0, client.bottom - 20, client.right, client.bottom));
    EXPECT_EQ(InParent(&top), CRect(0, 0, client.right, 30));
    EXPECT_EQ(InParent(&left), CRect(0, 30, 50, client.bottom - 20));
    EXPECT_EQ(InParent(frame.GetMDIClient()), CRect(50, 30, client.right, client.bottom - 20));

    CRect rest;
    frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rest);
    EXPECT_EQ(rest, CRect(50, 30, client.right, client.bottom - 20));

    // A bar hidden at the next layout: the idle time does the layout.
    top.DelayShow(FALSE);
    EXPECT_FALSE(top.IsVisible());
    frame.DelayRecalcLayout();
    SettleWindows();
    EXPECT_FALSE(top.IsWindowVisible());
    EXPECT_EQ(InParent(frame.GetMDIClient()).top, 0);
}

TEST_F(FrameTest, IdleUpdatesBarsThroughTheFramesCommandHandlers) {
    StripBar top(30);
    ASSERT_TRUE(top.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(), &frame, 59400));
    top.SetBarStyle(CBRS_ALIGN_TOP);
    SettleWindows();
    EXPECT_GT(top.updates, 0);
    EXPECT_TRUE(top.handled);
    EXPECT_TRUE(top.IsWindowEnabled());
    frame.answer = false;
    SettleWindows();
    EXPECT_FALSE(top.handled);
    EXPECT_FALSE(top.IsWindowEnabled());
}

TEST_F(FrameTest, PromptsGoToTheStatusBarsFirstPane) {
    StripBar status(20);
    ASSERT_TRUE(
        status.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(), &frame, AFX_IDW_STATUS_BAR));
    frame.SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>("Working"));
    CString text;
    status.GetWindowText(text);
    EXPECT_EQ(text, "Working");
}

TEST_F(FrameTest, ChildFramesDrawTheirCaptionAndAnswerItsButtons) {
    Child child;
    ASSERT_TRUE(child.Create(nullptr, "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(20, 20, 220, 170), &frame));
    SettleWindows();
    EXPECT_EQ(InParent(&child), CRect(20, 20, 220, 170));
    EXPECT_EQ(frame.MDIGetActive(), &child);
    CRect inside;
    child.GetInsideClientRect(&inside);
    EXPECT_EQ(inside, CRect(4, 22, 196, 146));

    // The maximise button, then the restore button, then the close button.
    const CPoint maximise(200 - 4 - 1 - 16 - 1 - 8, 12);
    child.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(maximise.x, maximise.y));
    CRect client;
    frame.GetMDIClient()->GetClientRect(&client);
    EXPECT_TRUE(child.IsMaximized());
    EXPECT_EQ(InParent(&child), client);
    child.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_EQ(InParent(&child), CRect(20, 20, 220, 170));
    const CPoint close(200 - 4 - 1 - 8, 12);
    child.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(close.x, close.y));
    EXPECT_EQ(child.commands, (std::vector<UINT>{SC_MAXIMIZE, SC_RESTORE, SC_CLOSE}));
    EXPECT_EQ(child.closes, 1);

    // Moved by its caption, sized by its edges; Escape puts it back.
    CPoint origin = Origin(&child);
    At(&child, WM_LBUTTONDOWN, CPoint(60, 10), origin, MK_LBUTTON);
    At(&child, WM_MOUSEMOVE, CPoint(80, 20), origin, MK_LBUTTON);
    At(&child, WM_MOUSEMOVE, CPoint(90, 25), origin, MK_LBUTTON);
    At(&child, WM_LBUTTONUP, CPoint(90, 25), origin);
    EXPECT_EQ(InParent(&child), CRect(50, 35, 250, 185));
    origin = Origin(&child);
    At(&child, WM_LBUTTONDOWN, CPoint(198, 149), origin, MK_LBUTTON);
    At(&child, WM_MOUSEMOVE, CPoint(218, 159), origin, MK_LBUTTON);
    At(&child, WM_LBUTTONUP, CPoint(218, 159), origin);
    EXPECT_EQ(InParent(&child), CRect(50, 35, 270, 195));
    origin = Origin(&child);
    At(&child, WM_LBUTTONDOWN, CPoint(60, 10), origin, MK_LBUTTON);
    At(&child, WM_MOUSEMOVE, CPoint(160, 110), origin, MK_LBUTTON);
    child.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(InParent(&child), CRect(50, 35, 270, 195));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    child.DestroyWindow();
}

TEST_F(FrameTest, MaximisedChildFillsTheClientWithoutACaption) {
    Child child;
    ASSERT_TRUE(child.Create(nullptr, "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE,
                             CRect(20, 20, 220, 170), &frame));
    SettleWindows();
    CRect client;
    frame.GetMDIClient()->GetClientRect(&client);
    EXPECT_EQ(InParent(&child), client);
    CRect inside;
    child.GetInsideClientRect(&inside);
    EXPECT_EQ(inside, client);
    frame.MoveWindow(0, 0, 500, 300);
    SettleWindows();
    frame.GetMDIClient()->GetClientRect(&client);
    EXPECT_EQ(InParent(&child), client);
    child.DestroyWindow();
}
