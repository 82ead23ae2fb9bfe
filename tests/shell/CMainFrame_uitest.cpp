// The main window under the test's display: its bars on a first start, the toggles, the route
// of its commands to the window with the focus, its status panes and the busy cursor.

#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"
#include "platform/registry/AppProfile.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CMainFrame.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/setup/SetupFixture.h"
#include "wintoolkit/toolbar/SECToolBarLayout.h"

#include <utility>
#include <vector>

namespace {

CRect InFrame(const CWnd* frame, const CWnd* wnd) {
    CRect rect;
    wnd->GetWindowRect(&rect);
    frame->ScreenToClient(&rect);
    return rect;
}

// A window's stand-in for the output bar's log: while it has the focus it takes Copy, names
// the line and column pane, and enables and checks the main tool bar's New button.
class FocusedLog : public CCmdTarget {
public:
    void OnCopy() { ++copies; }
    void OnUpdateCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    void OnUpdateNew(CCmdUI* pCmdUI) {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
    }
    void OnUpdateLineColumn(CCmdUI* pCmdUI) {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetText(" Ln 3, Col 1");
    }
    int copies = 0;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FocusedLog, CCmdTarget)
ON_COMMAND(ID_EDIT_COPY, OnCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCopy)
ON_UPDATE_COMMAND_UI(ID_FILE_NEW, OnUpdateNew)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINECOL, OnUpdateLineColumn)
END_MESSAGE_MAP()

// The application's help entry, recorded.
class HelpRecordingApp : public CWinApp {
public:
    void WinHelp(UINT_PTR dwData, UINT nCmd) override {
        asked.emplace_back(static_cast<UINT>(dwData), nCmd);
    }
    std::vector<std::pair<UINT, UINT>> asked;
};

// A docking bar with nothing in it.
class EmptyBar : public SECControlBar {
public:
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        CString key;
        key.LoadString(IDS_BAR_REGISTRY_KEY);
        SetRegistryKey(key);
        SetProfileName("");
        ASSERT_TRUE(frame.LoadFrame());
        SetMainWnd(&frame);
        app.m_pMainWnd = &frame;
        frame.MoveWindow(0, 0, 1000, 700);
        frame.ShowWindow(SW_SHOWNORMAL);
        frame.RecalcLayout();
        SettleWindows();
    }
    void TearDown() override {
        SetMainWnd(nullptr);
        app.m_pMainWnd = nullptr;
        if (frame.GetSafeHwnd())
            frame.DestroyWindow();
        SettleWindows();
    }
    void Command(UINT id) {
        frame.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
        SettleWindows();
    }

    SetupFolders folders;
    HelpRecordingApp app;
    CMainFrame frame;
};

} // namespace

TEST_F(MainFrameTest, FirstStartPlacesTheBars) {
    CDockBar* left = dynamic_cast<CDockBar*>(frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(frame.m_wndServiceBar.m_pDockBar, left);
    const CRect siteViewer = InFrame(&frame, &frame.m_wndServiceBar);
    EXPECT_EQ(siteViewer.Width(), 240);
    EXPECT_TRUE(frame.m_wndServiceBar.IsWindowVisible());

    // The main and command tool bars share the top row; the HTML bar has the next one.
    const CRect main = InFrame(&frame, &frame.m_wndToolBar);
    const CRect commands = InFrame(&frame, &frame.m_wndCommandBar);
    const CRect html = InFrame(&frame, &frame.m_wndHTMLBar);
    EXPECT_EQ(commands.top, main.top);
    EXPECT_GE(commands.left, main.right - 2);
    EXPECT_GE(html.top, main.bottom - 2);
    EXPECT_LE(siteViewer.left, 2);
    EXPECT_GE(siteViewer.top, html.bottom - 2);
    EXPECT_FALSE(frame.m_wndActionBar.IsWindowVisible());
    EXPECT_FALSE(frame.m_wndFormBar.IsWindowVisible());
    EXPECT_EQ(frame.m_wndCommandBar.GetCount(), 22);

    // The status bar: the prompt, line and column (as wide as its text), and the lock keys.
    EXPECT_TRUE(frame.m_wndStatusBar.IsWindowVisible());
    ASSERT_EQ(frame.m_wndStatusBar.GetCount(), 5);
    EXPECT_EQ(frame.m_wndStatusBar.GetItemID(1), ID_INDICATOR_LINECOL);
    EXPECT_EQ(frame.m_wndStatusBar.GetItemID(4), ID_INDICATOR_SCRL);
    CString title;
    frame.m_wndCommandBar.GetWindowText(title);
    EXPECT_EQ(title, CString("Insert Commands"));
    frame.m_wndFormBar.GetWindowText(title);
    EXPECT_EQ(title, CString("Form Controls"));
}

TEST_F(MainFrameTest, TheOutputPaneTakesEngineMessagesAndItsLogTakesCopyWhileFocused) {
    // First start: the output bar across the bottom, 90 high; the help viewer made but hidden.
    CRect client, output;
    frame.GetClientRect(&client);
    frame.m_wndOutputBar.GetWindowRect(&output);
    frame.ScreenToClient(&output);
    EXPECT_EQ(output.Height(), 90);
    EXPECT_GE(output.Width(), client.Width() - 4);
    EXPECT_FALSE(frame.m_wndHelpViewer.IsWindowVisible());

    PostToEngineMessageSink(new QZEngineMessage(0, "first line"));
    frame.AddEngineMessage(new QZEngineMessage(0, "second line"));
    CString text;
    frame.m_wndOutputBar.GetLog().GetWindowText(text);
    EXPECT_NE(text.Find("first line"), -1);
    EXPECT_NE(text.Find("second line"), -1);

    frame.m_wndOutputBar.GetLog().SetFocus();
    SettleWindows();
    if (!frame.m_wndOutputBar.LogHasFocus())
        GTEST_SKIP() << "the display gives no focus to the test's window";
    // Copy is the log's: greyed until something is selected.
    frame.UpdateMenuBarCmdUI();
    EXPECT_EQ(frame.GetMenuBarState(ID_EDIT_COPY), MF_GRAYED);
    Command(ID_EDIT_SELECT_ALL);
    frame.UpdateMenuBarCmdUI();
    EXPECT_EQ(frame.GetMenuBarState(ID_EDIT_COPY), MF_ENABLED);

    frame.ClearEngineMessages();
    frame.m_wndOutputBar.GetLog().GetWindowText(text);
    EXPECT_EQ(text.Find("first line"), -1);
}

TEST_F(MainFrameTest, AHelpTopicShowsTheHelpViewer) {
    ASSERT_FALSE(frame.m_wndHelpViewer.IsWindowVisible());
    frame.ShowHelpTopic(1);
    SettleWindows();
    EXPECT_TRUE(frame.m_wndHelpViewer.IsWindowVisible());
    EXPECT_EQ(GetFrameServices(), static_cast<QZFrameServices*>(&frame));
}

TEST_F(MainFrameTest, EachToggleIsCheckedExactlyWhileItsBarShows) {
    const struct {
        UINT command;
        CControlBar* bar;
    } toggles[] = {
        {IDR_COMMANDBAR, &frame.m_wndCommandBar},     {IDR_HTMLBAR, &frame.m_wndHTMLBar},
        {IDR_ACTIONBAR, &frame.m_wndActionBar},       {IDR_FORMBAR, &frame.m_wndFormBar},
        {ID_VIEW_SITEVIEWER, &frame.m_wndServiceBar}, {ID_VIEW_OUTPUT, &frame.m_wndOutputBar},
        {ID_VIEW_HELPVIEWER, &frame.m_wndHelpViewer},
    };
    for (const auto& toggle : toggles) {
        for (int round = 0; round < 2; ++round) {
            frame.UpdateMenuBarCmdUI();
            const bool shown = toggle.bar->IsWindowVisible();
            EXPECT_EQ(frame.GetMenuBarState(toggle.command), shown ? MF_CHECKED : MF_ENABLED)
                << toggle.command;
            Command(toggle.command);
            EXPECT_NE(toggle.bar->IsWindowVisible() != FALSE, shown) << toggle.command;
        }
    }
    EXPECT_EQ(frame.GetMenuBarString(ID_VIEW_SITEVIEWER), CString("Site&Viewer"));
}

TEST_F(MainFrameTest, CommandsWithoutHandlerAreGreyedAndTheFocusedLogTakesItsOwn) {
    frame.UpdateMenuBarCmdUI();
    // Nobody takes these yet.
    EXPECT_EQ(frame.GetMenuBarState(ID_NEW_MACRO), MF_GRAYED);
    EXPECT_EQ(frame.GetMenuBarState(ID_EDIT_COPY), MF_GRAYED);
    EXPECT_EQ(frame.GetMenuBarState(ID_APP_EXIT), MF_ENABLED) << "the application's Exit";
    const int newButton = frame.m_wndToolBar.CommandToIndex(ID_FILE_NEW);
    ASSERT_EQ(newButton, 0);
    EXPECT_TRUE(frame.m_wndToolBar.GetButtonStyle(newButton) & TBBS_DISABLED);

    // The output pane's log stands for any focused window with a command target of its own.
    FocusedLog target;
    CWnd& log = frame.m_wndOutputBar.GetLog();
    log.SetFocusCommandTarget(&target);
    log.SetFocus();
    SettleWindows();
    if (CWnd::GetFocus() != &log)
        GTEST_SKIP() << "the display gives no focus to the test's window";
    frame.UpdateMenuBarCmdUI();
    EXPECT_EQ(frame.GetMenuBarState(ID_EDIT_COPY), MF_ENABLED);
    EXPECT_EQ(frame.m_wndToolBar.GetButtonStyle(newButton) & (TBBS_DISABLED | TBBS_CHECKED),
              TBBS_CHECKED);
    EXPECT_EQ(frame.m_wndStatusBar.GetPaneText(1), CString(" Ln 3, Col 1"));

    // Ctrl+C, pressed anywhere in the window, reaches the log.
    wxWindow* host = wxGetTopLevelParent(frame.GetSafeHwnd());
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = 'C';
    key.SetControlDown(true);
    key.SetEventObject(host);
    host->GetEventHandler()->ProcessEvent(key);
    EXPECT_EQ(target.copies, 1);

    // Without a focused target the frame clears the pane again and the button greys.
    log.SetFocusCommandTarget(nullptr);
    frame.UpdateMenuBarCmdUI();
    SettleWindows();
    EXPECT_EQ(frame.m_wndStatusBar.GetPaneText(1), CString(""));
    EXPECT_TRUE(frame.m_wndToolBar.GetButtonStyle(newButton) & TBBS_DISABLED);
    log.SetFocusCommandTarget(&frame.m_wndOutputBar);
}

TEST_F(MainFrameTest, StatusPaneTextAndTheBusyCursor) {
    frame.SetStatusPaneText(0, "Working");
    EXPECT_EQ(frame.m_wndStatusBar.GetPaneText(0), CString("Working"));
    frame.m_bBusy = TRUE;
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT_EQ(frame.SendMessage(WM_SETCURSOR, 0, overClient), TRUE) << "taken: the wait cursor";
    frame.m_bBusy = FALSE;
}

TEST_F(MainFrameTest, HelpCommandsAskTheApplicationsHelpEntry) {
    Command(ID_HELP_FINDER);
    Command(ID_DEFAULT_HELP);
    Command(ID_HELP);
    using Asked = std::vector<std::pair<UINT, UINT>>;
    EXPECT_EQ(app.asked, (Asked{{0, HELP_FINDER}, {0, HELP_FINDER}, {0, HELP_CONTEXT}}));

    // Context help: the next click's window gives the topic, its control id.
    app.asked.clear();
    Command(ID_CONTEXT_HELP);
    EXPECT_TRUE(frame.IsInHelpMode());
    CRect bar;
    frame.m_wndServiceBar.GetWindowRect(&bar);
    CPoint point = bar.CenterPoint();
    frame.ScreenToClient(&point);
    frame.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(point.x, point.y));
    EXPECT_FALSE(frame.IsInHelpMode());
    // The middle of the Site Viewer is its page tree.
    EXPECT_EQ(app.asked, (Asked{{IDC_SV_PAGES, HELP_CONTEXT}}));
    // A right click ends the mode without a topic; showing a topic ends it too.
    Command(ID_CONTEXT_HELP);
    frame.SendMessage(WM_RBUTTONDOWN, 0, 0);
    EXPECT_FALSE(frame.IsInHelpMode());
    Command(ID_CONTEXT_HELP);
    frame.ShowHelpTopic(1);
    EXPECT_FALSE(frame.IsInHelpMode());
    EXPECT_EQ(app.asked.size(), 1u);
}

TEST_F(MainFrameTest, CenterHelpViewerShowsAHiddenViewerInTheMiddle) {
    // A stand-in for the help viewer: floating where the frame puts it, and hidden.
    EmptyBar viewer;
    ASSERT_TRUE(viewer.Create(&frame, "Help Viewer", CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC,
                              CBRS_EX_STDCONTEXTMENU | CBRS_EX_INSIDE_MARGIN, ID_VIEW_HELPVIEWER));
    viewer.EnableDocking(CBRS_ALIGN_ANY);
    frame.FloatControlBar(&viewer, CPoint(100, 200), CBRS_ALIGN_TOP);
    frame.m_pHelpViewer = &viewer;
    SettleWindows();
    frame.UpdateMenuBarCmdUI();
    EXPECT_FALSE(viewer.IsWindowVisible());
    EXPECT_EQ(frame.GetMenuBarState(ID_VIEW_HELPVIEWER), MF_ENABLED);

    CRect outer;
    CRect inner;
    frame.GetWindowRect(&outer);
    viewer.GetWindowRect(&inner);
    Command(ID_CENTER_HELPVIEWER);
    EXPECT_TRUE(viewer.IsWindowVisible());
    CFrameWnd* floating = GetParentFrameOf(&viewer);
    ASSERT_NE(floating, nullptr);
    CRect placed;
    floating->GetWindowRect(&placed);
    EXPECT_EQ(placed.TopLeft(), CPoint(outer.left + (outer.Width() - inner.Width()) / 2,
                                       outer.top + (outer.Height() - inner.Height()) / 2));
    frame.UpdateMenuBarCmdUI();
    EXPECT_EQ(frame.GetMenuBarState(ID_VIEW_HELPVIEWER), MF_CHECKED);
    Command(ID_VIEW_HELPVIEWER);
    EXPECT_FALSE(viewer.IsWindowVisible());
    frame.m_pHelpViewer = nullptr;
}
