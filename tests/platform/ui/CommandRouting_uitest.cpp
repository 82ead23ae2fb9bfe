// Commands along the route of a frame (focused target, view, document, child frame, main frame,
// application), their update on the menu bar, greyed items without handlers, and accelerators.

#include "platform/core/Types.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/MenuResources.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/event.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

// Who took the commands, in order.
std::vector<std::string> g_taken;

// The commands: each handled by the targets the table names.
enum : UINT {
    kViewOnly = 40001,
    kDocOnly,
    kChildOnly,
    kMainOnly,
    kAppOnly,
    kDocAndMain,   // the document comes first
    kChildAndApp,  // the child frame comes first
    kFocusAndView, // the focused target comes first
    kUnhandled,    // nobody: greyed
    kChecked,      // the main frame's update checks it
    kRenamed,      // the view's update names it
    kDisabled,     // the document's update disables it; its command is never carried out
    kRangeFirst,   // a range the application takes
    kRangeLast = kRangeFirst + 2,
};

class App : public CWinApp {
public:
    void OnApp() { g_taken.emplace_back("app"); }
    void OnRange(UINT id) { g_taken.push_back("app range " + std::to_string(id - kRangeFirst)); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(App, CWinApp)
ON_COMMAND(kAppOnly, OnApp)
ON_COMMAND(kChildAndApp, OnApp)
ON_COMMAND_RANGE(kRangeFirst, kRangeLast, OnRange)
END_MESSAGE_MAP()

class Document : public CDocument {
public:
    void OnDoc() { g_taken.emplace_back("document"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Document, CDocument)
ON_COMMAND(kDocOnly, OnDoc)
ON_COMMAND(kDocAndMain, OnDoc)
ON_COMMAND(kDisabled, OnDoc)
ON_UPDATE_COMMAND_UI(kDisabled, OnUpdateDisabled)
END_MESSAGE_MAP()

class View : public CView {
public:
    void OnView() { g_taken.emplace_back("view"); }
    void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText("&Renamed Item"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(View, CView)
ON_COMMAND(kViewOnly, OnView)
ON_COMMAND(kFocusAndView, OnView)
ON_COMMAND(kRenamed, OnView)
ON_UPDATE_COMMAND_UI(kRenamed, OnUpdateRenamed)
END_MESSAGE_MAP()

class Child : public CMDIChildWnd {
public:
    void OnChild() { g_taken.emplace_back("child"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Child, CMDIChildWnd)
ON_COMMAND(kChildOnly, OnChild)
ON_COMMAND(kChildAndApp, OnChild)
END_MESSAGE_MAP()

class MainFrame : public CMDIFrameWnd {
public:
    void OnMain() { g_taken.emplace_back("main"); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(checked ? 1 : 0); }
    BOOL checked = TRUE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MainFrame, CMDIFrameWnd)
ON_COMMAND(kMainOnly, OnMain)
ON_COMMAND(kDocAndMain, OnMain)
ON_COMMAND(kChecked, OnMain)
ON_UPDATE_COMMAND_UI(kChecked, OnUpdateChecked)
END_MESSAGE_MAP()

// A window that takes commands while it has the focus.
class FocusTarget : public CCmdTarget {
public:
    void OnFocus() { g_taken.emplace_back("focus"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FocusTarget, CCmdTarget)
ON_COMMAND(kFocusAndView, OnFocus)
END_MESSAGE_MAP()

constexpr UINT kMenuId = 30001;
constexpr MenuItemTemplate kItems[] = {
    {0, kMainOnly, "&Main\tCtrl+M"}, {0, kUnhandled, "&Nobody"}, {MF_SEPARATOR, 0, nullptr},
    {0, kChecked, "&Checked"},       {0, kRenamed, "&Before"},   {0, kDisabled, "&Disabled"},
};
constexpr MenuItemTemplate kBar[] = {
    {MF_POPUP, 0, "&Test", kItems, static_cast<int>(std::size(kItems))},
};
constexpr MenuTemplate kMenu = {kBar, 1};
constexpr ACCEL kKeys[] = {
    {FVIRTKEY | FCONTROL, 'M', kMainOnly}, {FVIRTKEY | FSHIFT, 0x70, kAppOnly}, // Shift+F1
};
constexpr AcceleratorTemplate kAccelerators = {kKeys, static_cast<int>(std::size(kKeys))};

class CommandRoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_taken.clear();
        MenuResources::RegisterMenu(kMenuId, &kMenu);
        MenuResources::RegisterAccelerators(kMenuId, &kAccelerators);
        ASSERT_TRUE(
            frame.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
        app.m_pMainWnd = &frame;
        SetMainWnd(&frame);
        ASSERT_TRUE(frame.LoadMenuBar(kMenuId));
        ASSERT_TRUE(frame.LoadAccelTable(kMenuId));
        ASSERT_TRUE(child.Create(nullptr, "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(10, 10, 300, 200), &frame));
        CCreateContext context;
        context.m_pCurrentDoc = &document;
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100),
                                &child, AFX_IDW_PANE_FIRST, &context));
        child.SetActiveView(&view);
        SettleWindows();
    }
    void TearDown() override {
        SetMainWnd(nullptr);
        app.m_pMainWnd = nullptr;
        frame.DestroyWindow();
        SettleWindows();
    }
    // The command as the menu sends it; who took it ("" for nobody).
    std::string Command(UINT id) {
        g_taken.clear();
        frame.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), 0), 0);
        return g_taken.empty() ? "" : g_taken.front() + (g_taken.size() > 1 ? " and more" : "");
    }

    App app;
    MainFrame frame;
    Child child;
    View view;
    Document document;
};

} // namespace

TEST_F(CommandRoutingTest, EachCommandReachesTheFirstTargetOnTheRouteThatTakesIt) {
    ASSERT_EQ(frame.MDIGetActive(), &child);
    const struct {
        UINT id;
        const char* taker;
    } cases[] = {
        {kViewOnly, "view"},          {kDocOnly, "document"},      {kChildOnly, "child"},
        {kMainOnly, "main"},          {kAppOnly, "app"},           {kDocAndMain, "document"},
        {kChildAndApp, "child"},      {kFocusAndView, "view"},     {kUnhandled, ""},
        {kRangeFirst, "app range 0"}, {kRangeLast, "app range 2"}, {kDisabled, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Command(c.id), c.taker) << c.id;

    // Without an active child the main frame and the application remain.
    child.DestroyWindow();
    SettleWindows();
    EXPECT_EQ(Command(kViewOnly), "");
    EXPECT_EQ(Command(kDocAndMain), "main");
    EXPECT_EQ(Command(kChildAndApp), "app");
}

TEST_F(CommandRoutingTest, TheWindowWithTheFocusTakesCommandsFirstWhileItHasIt) {
    FocusTarget target;
    CWnd log;
    ASSERT_TRUE(log.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 50, 50),
                           &frame, 4711));
    log.SetFocusCommandTarget(&target);
    log.SetFocus();
    SettleWindows();
    if (CWnd::GetFocus() != &log)
        GTEST_SKIP() << "the display gives no focus to the test's window";
    EXPECT_EQ(Command(kFocusAndView), "focus");
    // Commands it does not take go on along the route.
    EXPECT_EQ(Command(kDocOnly), "document");

    view.SetFocus();
    SettleWindows();
    EXPECT_EQ(Command(kFocusAndView), "view");
}

TEST_F(CommandRoutingTest, TheMenuBarIsEnabledCheckedAndNamedByTheRoute) {
    frame.UpdateMenuBarCmdUI();
    EXPECT_EQ(frame.GetMenuBarState(kMainOnly), MF_ENABLED);
    EXPECT_EQ(frame.GetMenuBarState(kUnhandled), MF_GRAYED);
    EXPECT_EQ(frame.GetMenuBarState(kChecked), MF_CHECKED);
    EXPECT_EQ(frame.GetMenuBarString(kRenamed), CString("&Renamed Item"));
    EXPECT_EQ(frame.GetMenuBarState(kDisabled), MF_GRAYED);
    EXPECT_EQ(frame.GetMenuBarState(kRangeFirst), static_cast<UINT>(-1));

    frame.checked = FALSE;
    SettleWindows(); // the idle time updates the menu bar too
    EXPECT_EQ(frame.GetMenuBarState(kChecked), MF_ENABLED);

    // Choosing an item reaches the frame as its command.
    wxWindow* host = wxGetTopLevelParent(frame.GetSafeHwnd());
    auto* wxframe = dynamic_cast<wxFrame*>(host);
    ASSERT_NE(wxframe, nullptr);
    ASSERT_NE(wxframe->GetMenuBar(), nullptr);
    g_taken.clear();
    const int item = wxframe->GetMenuBar()->FindMenuItem("Test", "Main");
    ASSERT_NE(item, wxNOT_FOUND);
    wxCommandEvent chosen(wxEVT_MENU, item);
    chosen.SetEventObject(wxframe);
    wxframe->GetEventHandler()->ProcessEvent(chosen);
    EXPECT_EQ(g_taken, std::vector<std::string>{"main"});
}

TEST_F(CommandRoutingTest, AcceleratorsSendTheirCommandsOnce) {
    wxWindow* host = wxGetTopLevelParent(frame.GetSafeHwnd());
    // TRUE when the key went on to the window with the focus.
    auto press = [host](int key, bool control, bool shift) {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = key;
        event.SetControlDown(control);
        event.SetShiftDown(shift);
        event.SetEventObject(host);
        host->GetEventHandler()->ProcessEvent(event);
        return event.GetSkipped();
    };
    EXPECT_FALSE(press('M', true, false));
    EXPECT_FALSE(press(WXK_F1, false, true));
    EXPECT_EQ(g_taken, (std::vector<std::string>{"main", "app"}));
    // Other modifiers, or none, are other keys.
    g_taken.clear();
    EXPECT_TRUE(press('M', false, false));
    EXPECT_TRUE(press('M', true, true));
    EXPECT_TRUE(press(WXK_F1, false, false));
    // Keys of commands nobody takes, or that are disabled, stay the focused window's.
    EXPECT_TRUE(press('U', true, false));
    EXPECT_TRUE(press('D', true, false));
    EXPECT_TRUE(g_taken.empty());
}

namespace {

// A document frame whose template has its own menu and keys: Ctrl+M there is the view's.
constexpr UINT kChildMenuId = 30002;
constexpr MenuItemTemplate kChildItems[] = {{0, kViewOnly, "&View Item\tCtrl+M"}};
constexpr MenuItemTemplate kChildBar[] = {
    {MF_POPUP, 0, "&Edit", kChildItems, static_cast<int>(std::size(kChildItems))},
};
constexpr MenuTemplate kChildMenu = {kChildBar, 1};
constexpr ACCEL kChildKeys[] = {{FVIRTKEY | FCONTROL, 'M', kViewOnly}};
constexpr AcceleratorTemplate kChildAccelerators = {kChildKeys,
                                                    static_cast<int>(std::size(kChildKeys))};

class TemplateChild : public CMDIChildWnd {
public:
    TemplateChild() { m_nIDHelp = kChildMenuId; }
};

} // namespace

TEST_F(CommandRoutingTest, TheMenuBarAndKeysFollowTheActiveDocumentFramesTemplate) {
    MenuResources::RegisterMenu(kChildMenuId, &kChildMenu);
    MenuResources::RegisterAccelerators(kChildMenuId, &kChildAccelerators);
    TemplateChild page;
    ASSERT_TRUE(page.Create(nullptr, "Macro", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(20, 20, 300, 200), &frame));
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    View pageView;
    ASSERT_TRUE(pageView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100),
                                &page, AFX_IDW_PANE_FIRST, &context));
    page.SetActiveView(&pageView);

    struct Expected {
        UINT menu;
        std::string ctrlM;
    };
    auto check = [&](const Expected& expected) {
        frame.OnIdleUpdateCmdUI();
        EXPECT_EQ(frame.GetMenuBarId(), expected.menu);
        g_taken.clear();
        EXPECT_TRUE(frame.TranslateAccelerator('M', FCONTROL));
        EXPECT_EQ(g_taken, std::vector<std::string>{expected.ctrlM});
    };
    frame.MDIActivate(&page);
    check({kChildMenuId, "view"});
    EXPECT_NE(frame.GetMenuBarState(kViewOnly), static_cast<UINT>(-1));
    EXPECT_EQ(frame.GetMenuBarState(kMainOnly), static_cast<UINT>(-1));
    // Keys the template lacks are still the frame's.
    g_taken.clear();
    EXPECT_TRUE(frame.TranslateAccelerator(0x70, FSHIFT));
    EXPECT_EQ(g_taken, std::vector<std::string>{"app"});

    // A frame without a menu of its own shows the frame's; so does the frame once the document
    // frame is gone.
    frame.MDIActivate(&child);
    check({kMenuId, "main"});
    frame.MDIActivate(&page);
    check({kChildMenuId, "view"});
    page.DestroyWindow();
    child.DestroyWindow();
    SettleWindows();
    check({kMenuId, "main"});
}
