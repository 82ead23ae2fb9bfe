#include "platform/registry/AppProfile.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CDockContext.h"
#include "platform/ui/CMiniDockFrameWnd.h"
#include "platform/ui/SystemSettings.h"
#include "res/Resources.h"
#include "tests/platform/registry/SettingsFolder.h"
#include "tests/wintoolkit/docking/DockingFrame.h"
#include "tests/wintoolkit/docking/TestBars.h"
#include "wintoolkit/docking/SECDockBar.h"
#include "wintoolkit/frame/SECFrameWnd.h"

#include <memory>

namespace {

class DockingFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        ASSERT_TRUE(
            frame.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
        SetMainWnd(&frame);
        frame.EnableDocking(CBRS_ALIGN_ANY);
        SettleWindows();
    }
    void TearDown() override {
        SetMainWnd(nullptr);
        frame.DestroyWindow();
        SettleWindows();
    }
    void MakePane(PaneBar& bar, LPCTSTR title, DWORD style, DWORD exStyle, UINT id) {
        ASSERT_TRUE(bar.Create(&frame, title, WS_VISIBLE | style | CBRS_SIZE_DYNAMIC, exStyle, id));
        bar.EnableDocking(CBRS_ALIGN_ANY);
    }
    void MakeTool(ToolBar& bar, UINT id) {
        ASSERT_TRUE(bar.Create(&frame, "Tools", WS_VISIBLE | CBRS_TOP, CBRS_EX_FIXEDSIZE, id));
        bar.EnableDocking(CBRS_ALIGN_ANY);
    }
    CDockBar* Side(UINT id) { return dynamic_cast<CDockBar*>(frame.GetControlBar(id)); }
    void Layout() {
        frame.RecalcLayout();
        SettleWindows();
    }

    RecordingFrame frame;
};

} // namespace

TEST_F(DockingFrameTest, TheMainFramesBarsAsTheProgramBuildsThem) {
    ToolBar main, commands;
    MakeTool(main, 59392);
    MakeTool(commands, 159);
    frame.DockControlBar(&main, AFX_IDW_DOCKBAR_TOP);
    Layout();
    // Docked to the right of the main toolbar: its rectangle moved one pixel right.
    CRect right = ScreenRect(&main);
    right.OffsetRect(1, 0);
    frame.DockControlBar(&commands, AFX_IDW_DOCKBAR_TOP, &right);

    PaneBar output, browser, help;
    MakePane(output, "Output Window", CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, 0x31, 108);
    frame.DockControlBarSized(&output, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 1.0f, 90);
    MakePane(browser, "Site Viewer", CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT, 0x11, 147);
    frame.DockControlBarSized(&browser, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.8f, 240);
    ASSERT_TRUE(help.Create(&frame, "Help Viewer", CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC, 0x11, 215));
    help.EnableDocking(CBRS_ALIGN_ANY);
    frame.FloatControlBar(&help, CPoint(100, 200), CBRS_ALIGN_TOP);
    help.SendMessage(WM_COMMAND, ID_SEC_ALLOWDOCKING);
    Layout();

    const CRect mainRect = InFrame(&frame, &main);
    const CRect commandsRect = InFrame(&frame, &commands);
    EXPECT_EQ(commandsRect.top, mainRect.top);
    EXPECT_EQ(commandsRect.left, mainRect.right - 2);
    EXPECT_EQ(main.m_pDockBar, commands.m_pDockBar);

    CRect client;
    frame.GetClientRect(&client);
    const CRect outputRect = InFrame(&frame, &output);
    EXPECT_EQ(outputRect.Height(), 90);
    EXPECT_EQ(InFrame(&frame, Side(AFX_IDW_DOCKBAR_BOTTOM)).bottom, client.bottom);
    EXPECT_GE(outputRect.Width(), client.Width() - 4);
    EXPECT_EQ(output.m_pDockBar, Side(AFX_IDW_DOCKBAR_BOTTOM));

    const CRect browserRect = InFrame(&frame, &browser);
    EXPECT_EQ(browserRect.Width(), 240);
    EXPECT_EQ(browser.m_pDockBar, Side(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_FLOAT_EQ(browser.m_fPctWidth, 1.0f);

    EXPECT_TRUE(help.IsFloating());
    EXPECT_EQ(help.m_dwDockStyle & CBRS_ALIGN_ANY, 0u);
    EXPECT_EQ(help.m_dwMRUDockingState, CBRS_ALIGN_ANY);
    CFrameWnd* floating = GetParentFrameOf(&help);
    ASSERT_NE(floating, nullptr);
    EXPECT_EQ(ScreenRect(floating).TopLeft(), CPoint(100, 200));
    // The help viewer was made hidden: its floating frame stays hidden.
    EXPECT_FALSE(floating->IsWindowVisible());

    // The pane (the MDI client) has what the bars leave.
    const CRect pane = InFrame(&frame, frame.GetMDIClient());
    EXPECT_EQ(pane.left, InFrame(&frame, Side(AFX_IDW_DOCKBAR_LEFT)).right);
    EXPECT_EQ(pane.bottom, InFrame(&frame, Side(AFX_IDW_DOCKBAR_BOTTOM)).top);
    EXPECT_EQ(pane.top, InFrame(&frame, Side(AFX_IDW_DOCKBAR_TOP)).bottom);
    EXPECT_GE(pane.top, mainRect.bottom);
}

TEST_F(DockingFrameTest, SizerDraggedWithTheMouseMovesLengthBetweenBars) {
    PaneBar a, b;
    MakePane(a, "A", CBRS_ALIGN_BOTTOM, 0, 201);
    MakePane(b, "B", CBRS_ALIGN_BOTTOM, 0, 202);
    frame.DockControlBarSized(&a, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.5f, 100);
    frame.DockControlBarSized(&b, AFX_IDW_DOCKBAR_BOTTOM, 1, 0, 0.5f, 100);
    Layout();
    const int before = ScreenRect(&a).Width();
    const CRect gap(ScreenRect(&a).right, ScreenRect(&a).top, ScreenRect(&b).left,
                    ScreenRect(&a).bottom);
    ASSERT_EQ(gap.Width(), 6);
    const CPoint grab = gap.CenterPoint();
    Mouse(WM_LBUTTONDOWN, grab, MK_LBUTTON);
    EXPECT_EQ(CWnd::GetCapture(), Side(AFX_IDW_DOCKBAR_BOTTOM));
    Mouse(WM_MOUSEMOVE, grab + CPoint(20, 0), MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, grab + CPoint(40, 3), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, grab + CPoint(40, 3));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    SettleWindows();
    EXPECT_EQ(ScreenRect(&a).Width(), before + 40);

    // Escape and the right button leave the layout as it is.
    const CRect now = ScreenRect(&a);
    const CPoint again(now.right + 3, now.CenterPoint().y);
    Mouse(WM_LBUTTONDOWN, again, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, again + CPoint(-30, 0), MK_LBUTTON);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    Mouse(WM_LBUTTONDOWN, again, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, again + CPoint(-30, 0), MK_LBUTTON);
    Mouse(WM_RBUTTONDOWN, again + CPoint(-30, 0), MK_LBUTTON | MK_RBUTTON);
    SettleWindows();
    EXPECT_EQ(ScreenRect(&a), now);
}

TEST_F(DockingFrameTest, BarDraggedOutFloatsAndDraggedBackDocksPastTheDeadZone) {
    ToolBar tools;
    MakeTool(tools, 59392);
    frame.DockControlBar(&tools, AFX_IDW_DOCKBAR_TOP);
    PaneBar pane;
    MakePane(pane, "Output Window", CBRS_ALIGN_TOP, 0, 108);
    frame.DockControlBar(&pane, AFX_IDW_DOCKBAR_TOP);
    Layout();
    ASSERT_FALSE(pane.IsFloating());

    // Out into the middle of the frame.
    const CPoint start = ScreenRect(&pane).TopLeft() + CPoint(20, 10);
    frame.messages.clear();
    Mouse(WM_LBUTTONDOWN, start, MK_LBUTTON);
    ASSERT_TRUE(pane.m_pDockContext->IsTracking());
    EXPECT_EQ(frame.messages, std::vector<std::string>{"Press the Ctrl key to prevent docking."});
    Mouse(WM_MOUSEMOVE, start + CPoint(100, 250), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, start + CPoint(100, 250));
    SettleWindows();
    EXPECT_EQ(frame.messages.back(), "Ready");
    ASSERT_TRUE(pane.IsFloating());
    CFrameWnd* floating = GetParentFrameOf(&pane);
    ASSERT_TRUE(floating && floating->IsWindowVisible());

    // Moved over the top dock bar by its caption: 3 pixels keep it floating...
    floating->SetWindowPos(nullptr, 200, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SettleWindows();
    const CPoint caption = ScreenRect(floating).TopLeft() + CPoint(30, 8);
    Mouse(WM_LBUTTONDOWN, caption, MK_LBUTTON);
    ASSERT_TRUE(pane.m_pDockContext->IsTracking());
    Mouse(WM_MOUSEMOVE, caption + CPoint(3, 0), MK_LBUTTON);
    EXPECT_TRUE(pane.m_pDockContext->m_dwOverDockStyle & CBRS_ALIGN_TOP);
    Mouse(WM_LBUTTONUP, caption + CPoint(3, 0));
    SettleWindows();
    EXPECT_TRUE(pane.IsFloating());

    // ...and with Ctrl held it stays floating however far it goes...
    const CPoint caption2 = ScreenRect(GetParentFrameOf(&pane)).TopLeft() + CPoint(30, 8);
    Mouse(WM_LBUTTONDOWN, caption2, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, caption2 + CPoint(10, 0), MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(pane.m_pDockContext->m_dwOverDockStyle, 0u);
    Mouse(WM_LBUTTONUP, caption2 + CPoint(10, 0), MK_CONTROL);
    SettleWindows();
    EXPECT_TRUE(pane.IsFloating());

    // ...while 5 pixels dock it, in the row it is over.
    const CPoint caption3 = ScreenRect(GetParentFrameOf(&pane)).TopLeft() + CPoint(30, 8);
    Mouse(WM_LBUTTONDOWN, caption3, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, caption3 + CPoint(5, 0), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, caption3 + CPoint(5, 0));
    SettleWindows();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_EQ(pane.m_pDockBar, Side(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(pane.m_pDockContext->m_uMRUDockID, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(frame.messages.back(), "Ready");
}

TEST_F(DockingFrameTest, RightButtonAndEscapeCancelADrag) {
    PaneBar pane;
    MakePane(pane, "Output Window", CBRS_ALIGN_TOP, 0, 108);
    frame.DockControlBar(&pane, AFX_IDW_DOCKBAR_TOP);
    Layout();
    const CRect docked = ScreenRect(&pane);
    const CPoint start = docked.TopLeft() + CPoint(20, 10);
    Mouse(WM_LBUTTONDOWN, start, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, start + CPoint(100, 250), MK_LBUTTON);
    Mouse(WM_RBUTTONDOWN, start + CPoint(100, 250), MK_LBUTTON | MK_RBUTTON);
    EXPECT_FALSE(pane.m_pDockContext->IsTracking());
    Mouse(WM_LBUTTONUP, start + CPoint(100, 250));
    Mouse(WM_LBUTTONDOWN, start, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, start + CPoint(100, 250), MK_LBUTTON);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    SettleWindows();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_EQ(ScreenRect(&pane), docked);
}

TEST_F(DockingFrameTest, AllowDockingAndHideFromTheContextMenu) {
    PaneBar pane;
    MakePane(pane, "Output Window", CBRS_ALIGN_BOTTOM, CBRS_EX_STDCONTEXTMENU, 108);
    frame.DockControlBar(&pane, AFX_IDW_DOCKBAR_BOTTOM);
    Layout();
    ScriptedMenus menus;
    const CPoint at = ScreenRect(&pane).CenterPoint();

    menus.choice = ID_SEC_ALLOWDOCKING;
    Mouse(WM_RBUTTONUP, at);
    ASSERT_EQ(menus.count, 1);
    ASSERT_NE(menus.Find(ID_SEC_ALLOWDOCKING), nullptr);
    EXPECT_EQ(menus.Find(ID_SEC_ALLOWDOCKING)->text, "Allow Docking");
    EXPECT_TRUE(menus.Find(ID_SEC_ALLOWDOCKING)->flags & MF_CHECKED);
    EXPECT_EQ(menus.Find(ID_SEC_HIDE)->text, "Hide");
    EXPECT_EQ(menus.Find(ID_SEC_FLOATINMAIN), nullptr);
    SettleWindows();
    // Docking switched off floats the bar with no side left.
    EXPECT_TRUE(pane.IsFloating());
    EXPECT_EQ(pane.m_dwDockStyle & CBRS_ALIGN_ANY, 0u);

    Mouse(WM_RBUTTONUP, ScreenRect(&pane).CenterPoint());
    EXPECT_FALSE(menus.Find(ID_SEC_ALLOWDOCKING)->flags & MF_CHECKED);
    EXPECT_EQ(pane.m_dwDockStyle & CBRS_ALIGN_ANY, CBRS_ALIGN_ANY);

    menus.choice = ID_SEC_HIDE;
    Mouse(WM_RBUTTONUP, ScreenRect(&pane).CenterPoint());
    SettleWindows();
    EXPECT_FALSE(pane.IsVisible());
    EXPECT_FALSE(GetParentFrameOf(&pane)->IsWindowVisible());

    // Without the menu style, a right click shows nothing.
    PaneBar plain;
    MakePane(plain, "Plain", CBRS_ALIGN_TOP, 0, 109);
    frame.DockControlBar(&plain, AFX_IDW_DOCKBAR_TOP);
    Layout();
    const int shown = menus.count;
    Mouse(WM_RBUTTONUP, ScreenRect(&plain).CenterPoint());
    EXPECT_EQ(menus.count, shown);
}

TEST_F(DockingFrameTest, FloatInMainWindowAndBack) {
    PaneBar pane;
    MakePane(pane, "Output Window", CBRS_ALIGN_BOTTOM,
             CBRS_EX_STDCONTEXTMENU | CBRS_EX_FLOAT_IN_MAIN, 108);
    frame.DockControlBar(&pane, AFX_IDW_DOCKBAR_BOTTOM);
    Layout();
    const CRect docked = InFrame(&frame, &pane);
    ScriptedMenus menus;
    menus.choice = ID_SEC_FLOATINMAIN;
    Mouse(WM_RBUTTONUP, ScreenRect(&pane).CenterPoint());
    ASSERT_NE(menus.Find(ID_SEC_FLOATINMAIN), nullptr);
    EXPECT_EQ(menus.Find(ID_SEC_FLOATINMAIN)->text, "Float In Main Window");
    EXPECT_FALSE(menus.Find(ID_SEC_FLOATINMAIN)->flags & MF_CHECKED);
    SettleWindows();
    ASSERT_TRUE(pane.IsMDIChild());
    CFrameWnd* child = GetParentFrameOf(&pane);
    ASSERT_NE(child, nullptr);
    CRect placed = ScreenRect(child);
    frame.GetMDIClient()->ScreenToClient(&placed);
    EXPECT_EQ(placed.TopLeft(), CPoint(30, 30));
    EXPECT_TRUE(child->IsWindowVisible());

    // In the main window: "Allow Docking" is greyed and the item checked.
    menus.choice = 0;
    Mouse(WM_RBUTTONUP, ScreenRect(&pane).CenterPoint());
    EXPECT_TRUE(menus.Find(ID_SEC_ALLOWDOCKING)->flags & MF_GRAYED);
    EXPECT_TRUE(menus.Find(ID_SEC_FLOATINMAIN)->flags & MF_CHECKED);

    menus.choice = ID_SEC_FLOATINMAIN;
    Mouse(WM_RBUTTONUP, ScreenRect(&pane).CenterPoint());
    SettleWindows();
    EXPECT_FALSE(pane.IsMDIChild());
    EXPECT_EQ(pane.m_pDockBar, Side(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_TRUE(pane.IsVisible());
    EXPECT_EQ(InFrame(&frame, &pane), docked);
}

TEST_F(DockingFrameTest, BarsFloatedInTheMainWindowCascade) {
    PaneBar bars[3];
    const CPoint expected[] = {CPoint(30, 30), CPoint(50, 53), CPoint(70, 76)};
    for (int i = 0; i < 3; ++i) {
        MakePane(bars[i], "Pane", CBRS_ALIGN_TOP, 0, 300 + static_cast<UINT>(i));
        frame.FloatControlBarInMDIChild(&bars[i], CPoint(-1, -1), CBRS_ALIGN_TOP);
        SettleWindows();
        CRect placed = ScreenRect(GetParentFrameOf(&bars[i]));
        frame.GetMDIClient()->ScreenToClient(&placed);
        EXPECT_EQ(placed.TopLeft(), expected[i]);
    }
    // Closing the frame in the main window hides its bar; showing the bar shows it again.
    CFrameWnd* child = GetParentFrameOf(&bars[0]);
    child->SendMessage(WM_CLOSE);
    SettleWindows();
    EXPECT_FALSE(bars[0].IsVisible());
    EXPECT_FALSE(child->IsWindowVisible());
    frame.ShowControlBar(&bars[0], TRUE, FALSE);
    SettleWindows();
    EXPECT_TRUE(child->IsWindowVisible());
}

TEST_F(DockingFrameTest, ClosingAFloatingFrameHidesItsBars) {
    PaneBar pane;
    MakePane(pane, "Output Window", CBRS_ALIGN_TOP, 0, 108);
    frame.FloatControlBar(&pane, CPoint(300, 300), CBRS_ALIGN_TOP);
    SettleWindows();
    CFrameWnd* floating = GetParentFrameOf(&pane);
    ASSERT_TRUE(floating && floating->IsWindowVisible());
    EXPECT_EQ(ScreenRect(floating).TopLeft(), CPoint(300, 300));
    // Floating again where it is only moves its frame.
    frame.FloatControlBar(&pane, CPoint(320, 310), CBRS_ALIGN_TOP);
    EXPECT_EQ(GetParentFrameOf(&pane), floating);
    EXPECT_EQ(ScreenRect(floating).TopLeft(), CPoint(320, 310));

    floating->SendMessage(WM_CLOSE);
    SettleWindows();
    EXPECT_FALSE(pane.IsVisible());
    EXPECT_FALSE(floating->IsWindowVisible());
    EXPECT_NE(floating->GetSafeHwnd(), nullptr);
    EXPECT_EQ(GetParentFrameOf(&pane), floating);
}

TEST_F(DockingFrameTest, LayoutSavedOnCloseIsRestoredWithEqualRectangles) {
    SettingsFolder settings;
    SetRegistryKey("Test\\Docking");
    SetProfileName("");
    std::vector<CRect> saved;
    {
        ToolBar tools;
        MakeTool(tools, 59392);
        PaneBar output, browser, help;
        MakePane(output, "Output Window", CBRS_ALIGN_BOTTOM, 0x31, 108);
        MakePane(browser, "Site Viewer", CBRS_ALIGN_LEFT, 0x11, 147);
        MakePane(help, "Help Viewer", CBRS_ALIGN_TOP, 0x11, 215);
        frame.DockControlBar(&tools, AFX_IDW_DOCKBAR_TOP);
        frame.DockControlBarSized(&output, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 1.0f, 90);
        frame.DockControlBarSized(&browser, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.8f, 240);
        frame.FloatControlBar(&help, CPoint(400, 300), CBRS_ALIGN_TOP);
        Layout();
        // The user widens the output row and floats the site viewer in the main window.
        output.CalcDynamicLayout(140, LM_HORZDOCK | LM_HORZ | LM_LENGTHY | LM_COMMIT);
        frame.FloatControlBarInMDIChild(&browser, CPoint(-1, -1), CBRS_ALIGN_TOP);
        Layout();
        for (CWnd* bar : std::initializer_list<CWnd*>{&tools, &output, &browser, &help})
            saved.push_back(InFrame(&frame, bar));
        frame.SaveBarState("Main");
        frame.DestroyWindow();
        SettleWindows();
    }
    // Four bars, four dock bars, and the dock bars of the two floating frames.
    EXPECT_EQ(GetProfileInt("Main-Summary", "Bars", 0), 10u);

    RecordingFrame second;
    ASSERT_TRUE(
        second.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600)));
    SetMainWnd(&second);
    second.EnableDocking(CBRS_ALIGN_ANY);
    ToolBar tools;
    ASSERT_TRUE(tools.Create(&second, "Tools", WS_VISIBLE | CBRS_TOP, CBRS_EX_FIXEDSIZE, 59392));
    PaneBar output, browser, help;
    ASSERT_TRUE(output.Create(&second, "Output Window",
                              WS_VISIBLE | CBRS_BOTTOM | CBRS_SIZE_DYNAMIC, 0x31, 108));
    ASSERT_TRUE(browser.Create(&second, "Site Viewer", WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC,
                               0x11, 147));
    ASSERT_TRUE(
        help.Create(&second, "Help Viewer", WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0x11, 215));
    for (SECControlBar* bar :
         std::initializer_list<SECControlBar*>{&tools, &output, &browser, &help})
        bar->EnableDocking(CBRS_ALIGN_ANY);
    second.DockControlBar(&tools, AFX_IDW_DOCKBAR_TOP);
    second.DockControlBar(&output, AFX_IDW_DOCKBAR_BOTTOM);
    second.DockControlBar(&browser, AFX_IDW_DOCKBAR_LEFT);
    second.DockControlBar(&help, AFX_IDW_DOCKBAR_TOP);
    second.RecalcLayout();
    SettleWindows();
    second.LoadBarState("Main");
    SettleWindows();
    std::vector<CRect> restored;
    for (CWnd* bar : std::initializer_list<CWnd*>{&tools, &output, &browser, &help})
        restored.push_back(InFrame(&second, bar));
    EXPECT_EQ(restored, saved);
    EXPECT_TRUE(browser.IsMDIChild());
    EXPECT_TRUE(help.IsFloating());
    EXPECT_EQ(output.m_dwExStyle & ~CBRS_EX_BORDER_3D, 0x31u);
    SetMainWnd(&frame);
    second.DestroyWindow();
    SettleWindows();
    SetRegistryKey(nullptr);
}

TEST_F(DockingFrameTest, FloatingBarResizesFromAnyEdgeAndDoubleClicksToggleDocking) {
    PaneBar pane;
    MakePane(pane, "Output Window", CBRS_ALIGN_BOTTOM, 0, 108);
    frame.DockControlBar(&pane, AFX_IDW_DOCKBAR_BOTTOM);
    Layout();
    const CRect docked = InFrame(&frame, &pane);

    // A double click on the docked bar floats it; its frame can be sized.
    pane.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    SettleWindows();
    ASSERT_TRUE(pane.IsFloating());
    CFrameWnd* floating = GetParentFrameOf(&pane);
    ASSERT_TRUE(floating->GetStyle() & MFS_THICKFRAME);
    const CRect before = ScreenRect(floating);
    const CPoint edge(before.left + 1, before.CenterPoint().y);
    Mouse(WM_LBUTTONDOWN, edge, MK_LBUTTON);
    ASSERT_TRUE(pane.m_pDockContext->IsTracking());
    Mouse(WM_MOUSEMOVE, edge + CPoint(-40, 0), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, edge + CPoint(-40, 0));
    SettleWindows();
    const CRect wider = ScreenRect(GetParentFrameOf(&pane));
    EXPECT_EQ(wider.left, before.left - 40);
    EXPECT_EQ(wider.Width(), before.Width() + 40);
    const CPoint corner(wider.right - 1, wider.bottom - 1);
    Mouse(WM_LBUTTONDOWN, corner, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, corner + CPoint(10, 25), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, corner + CPoint(10, 25));
    SettleWindows();
    const CRect bigger = ScreenRect(GetParentFrameOf(&pane));
    EXPECT_EQ(bigger.Size(), wider.Size() + CSize(10, 25));

    // A double click on the caption docks it where it was.
    const CPoint caption = bigger.TopLeft() + CPoint(30, 8);
    Mouse(WM_LBUTTONDBLCLK, caption, MK_LBUTTON);
    SettleWindows();
    EXPECT_FALSE(pane.IsFloating());
    EXPECT_EQ(InFrame(&frame, &pane), docked);
}

TEST_F(DockingFrameTest, ShowingAndHidingABarRelaysTheRow) {
    PaneBar a, b;
    MakePane(a, "A", CBRS_ALIGN_BOTTOM, 0, 201);
    MakePane(b, "B", CBRS_ALIGN_BOTTOM, 0, 202);
    frame.DockControlBarSized(&a, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 0.5f, 100);
    frame.DockControlBarSized(&b, AFX_IDW_DOCKBAR_BOTTOM, 1, 0, 0.5f, 100);
    Layout();
    const int half = ScreenRect(&a).Width();
    frame.ShowControlBar(&b, FALSE, FALSE);
    Layout();
    EXPECT_FALSE(b.IsVisible());
    EXPECT_GT(ScreenRect(&a).Width(), half + 100);
    frame.ShowControlBar(&b, TRUE, TRUE);
    EXPECT_TRUE(b.IsVisible());
    SettleWindows();
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_NEAR(ScreenRect(&b).Width(), half, 2);
}

TEST_F(DockingFrameTest, CaptionGradientIsASettingOnly) {
    EXPECT_FALSE(frame.EnableCaptionGradient(TRUE, TRUE));
    EXPECT_TRUE(frame.EnableCaptionGradient(FALSE, FALSE));
    EXPECT_FALSE(frame.IsCaptionGradientEnabled());
    CRect caption;
    frame.GetCaptionRect(&frame, &caption);
    EXPECT_EQ(caption.Height(), GetSystemMetrics(SM_CYSIZE));
}

TEST(SingleDocumentFrame, DocksSizedOnTheFrameworksDockBars) {
    SECFrameWnd frame;
    ASSERT_TRUE(
        frame.Create(nullptr, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
    frame.EnableDocking(CBRS_ALIGN_ANY);
    PaneBar pane;
    ASSERT_TRUE(pane.Create(&frame, "Pane", WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC, 0, 300));
    pane.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBarSized(&pane, AFX_IDW_DOCKBAR_LEFT, 0, 0, 1.0f, 150);
    frame.RecalcLayout();
    SettleWindows();
    EXPECT_EQ(pane.m_pDockBar, frame.GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(ScreenRect(&pane).Width(), 150);
    EXPECT_FALSE(frame.EnableCaptionGradient(TRUE, FALSE));
    frame.FloatControlBar(&pane, CPoint(200, 200), CBRS_ALIGN_TOP);
    SettleWindows();
    EXPECT_TRUE(pane.IsFloating());
    frame.DestroyWindow();
    SettleWindows();
}
