#include "shell/CMainFrame.h"

#include "content/QZEngineMessageSink.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZOutputMessageSink.h"
#include "shell/QZWindowPlacement.h"

#include <iterator>

BEGIN_MESSAGE_MAP(CMainFrame, CMainFrameBase)
ON_COMMAND(IDR_COMMANDBAR, OnViewCommandBar)
ON_UPDATE_COMMAND_UI(IDR_COMMANDBAR, OnUpdateViewCommandBar)
ON_COMMAND(IDR_HTMLBAR, OnViewHTMLBar)
ON_UPDATE_COMMAND_UI(IDR_HTMLBAR, OnUpdateViewHTMLBar)
ON_COMMAND(IDR_ACTIONBAR, OnViewActionBar)
ON_UPDATE_COMMAND_UI(IDR_ACTIONBAR, OnUpdateViewActionBar)
ON_COMMAND(IDR_FORMBAR, OnViewFormBar)
ON_UPDATE_COMMAND_UI(IDR_FORMBAR, OnUpdateViewFormBar)
ON_COMMAND(ID_VIEW_SITEVIEWER, OnViewSiteViewer)
ON_UPDATE_COMMAND_UI(ID_VIEW_SITEVIEWER, OnUpdateViewSiteViewer)
ON_COMMAND(ID_VIEW_OUTPUT, OnViewOutput)
ON_UPDATE_COMMAND_UI(ID_VIEW_OUTPUT, OnUpdateViewOutput)
ON_COMMAND(ID_VIEW_HELPVIEWER, OnViewHelpViewer)
ON_UPDATE_COMMAND_UI(ID_VIEW_HELPVIEWER, OnUpdateViewHelpViewer)
ON_COMMAND(ID_CENTER_HELPVIEWER, OnCenterHelpViewer)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINECOL, OnUpdateLineColumn)
ON_UPDATE_COMMAND_UI_RANGE(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
ON_COMMAND(ID_DATABASE_OUT_OF_DATE, OnDatabaseOutOfDate)
ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
ON_COMMAND(ID_DEFAULT_HELP, OnHelpFinder)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

const char* const CMainFrame::kBarProfile = "BarState";

namespace {

// The status bar's panes: the prompt, line and column, and the three lock keys.
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_LINECOL, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                            ID_INDICATOR_SCRL};

constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP;
constexpr DWORD kToolBarExtras = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
// The site browser's context menu and inside margin.
constexpr DWORD kSiteViewerExStyle = CBRS_EX_STDCONTEXTMENU | CBRS_EX_INSIDE_MARGIN;
constexpr int kSiteViewerWidth = 240;
// The lock keys the status bar shows.
constexpr int kCapsLock = 0x14;
constexpr int kNumLock = 0x90;
constexpr int kScrollLock = 0x91;
constexpr float kSiteViewerHeight = 0.8f;
constexpr int kOutputBarHeight = 90;
// Where the help viewer floats when it is first made.
const CPoint kHelpViewerPoint(100, 200);

} // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::LoadFrame() {
    if (!Create(nullptr, "Marquill", WS_OVERLAPPEDWINDOW, rectDefault))
        return FALSE;
    LoadMenuBar(IDR_MAINFRAME);
    LoadAccelTable(IDR_MAINFRAME);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMainFrameBase::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateStatusBar();
    SetFrameServices(this);
    SetSiteMenuHost(this);
    EnableDocking(CBRS_ALIGN_ANY);
    if (CreateToolBar(m_wndToolBar, AFX_IDW_TOOLBAR, IDR_MAINFRAME, nullptr))
        DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    if (CreateToolBar(m_wndCommandBar, ID_COMMANDBAR_WND, IDR_COMMANDBAR, "Insert Commands"))
        DockControlBarLeftOf(&m_wndCommandBar, &m_wndToolBar);
    if (CreateToolBar(m_wndHTMLBar, ID_HTMLBAR_WND, IDR_HTMLBAR, "HTML"))
        DockControlBar(&m_wndHTMLBar, AFX_IDW_DOCKBAR_TOP);
    if (CreateToolBar(m_wndActionBar, IDR_ACTIONBAR, IDR_ACTIONBAR, "Actions")) {
        DockControlBarLeftOf(&m_wndActionBar, &m_wndHTMLBar);
        ShowControlBar(&m_wndActionBar, FALSE, FALSE);
    }
    if (CreateToolBar(m_wndFormBar, IDR_FORMBAR, IDR_FORMBAR, "Form Controls")) {
        DockControlBarLeftOf(&m_wndFormBar, &m_wndActionBar);
        ShowControlBar(&m_wndFormBar, FALSE, FALSE);
    }
    CreateOutputBar();
    CreateServiceBar();
    CreateHelpViewer();
    if (const CVantrel3App* app = GetVantrel3App())
        SetWorkbookMode(app->m_bWorkBookMode);
    LoadBarState(kBarProfile);
    return 0;
}

BOOL CMainFrame::CreateStatusBar() {
    return m_wndStatusBar.Create(this) &&
           m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)));
}

BOOL CMainFrame::CreateToolBar(SECToolBar& bar, UINT nBarId, UINT nResource, LPCTSTR lpszTitle) {
    // A bar that cannot be made or loaded is left out; the frame opens without it.
    if (!bar.Create(this, kToolBarStyle, nBarId) || !bar.LoadToolBar(nResource)) {
        if (bar.GetSafeHwnd())
            bar.DestroyWindow();
        return FALSE;
    }
    if (lpszTitle)
        bar.SetWindowText(lpszTitle);
    bar.SetBarStyle(bar.GetBarStyle() | kToolBarExtras);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    return TRUE;
}

BOOL CMainFrame::CreateOutputBar() {
    const DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP | CBRS_SIZE_DYNAMIC;
    if (!m_wndOutputBar.Create(this, "Output Window", style, 0, ID_OUTPUT_BAR))
        return FALSE;
    m_wndOutputBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBarSized(&m_wndOutputBar, AFX_IDW_DOCKBAR_BOTTOM, 0, 0, 1.0f, kOutputBarHeight);
    m_pOutputBar = &m_wndOutputBar;
    InstallOutputMessageSink(m_wndOutputBar);
    return TRUE;
}

BOOL CMainFrame::CreateServiceBar() {
    const DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT | CBRS_TOOLTIPS |
                        CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndServiceBar.Create(this, IDD_SITE_VIEWER, style, kSiteViewerExStyle, IDD_SITE_VIEWER))
        return FALSE;
    m_wndServiceBar.SetWindowText("Site Viewer");
    m_wndServiceBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBarSized(&m_wndServiceBar, AFX_IDW_DOCKBAR_LEFT, 0, 0, kSiteViewerHeight,
                        kSiteViewerWidth);
    m_wndServiceBar.Initialize();
    return TRUE;
}

BOOL CMainFrame::CreateHelpViewer() {
    if (!m_wndHelpViewer.Create(this, IDD_HELP_VIEWER, WS_CHILD | CBRS_TOP, 0, ID_VIEW_HELPVIEWER))
        return FALSE;
    m_wndHelpViewer.SetWindowText("Help Viewer");
    m_wndHelpViewer.EnableDocking(CBRS_ALIGN_ANY);
    FloatControlBar(&m_wndHelpViewer, kHelpViewerPoint, CBRS_ALIGN_TOP);
    // Docking off as the bar's own "Allow Docking" item turns it off, so the user can turn it
    // back on from the same menu.
    m_wndHelpViewer.SendMessage(WM_COMMAND, ID_SEC_ALLOWDOCKING);
    ShowControlBar(&m_wndHelpViewer, FALSE, FALSE);
    m_pHelpViewer = &m_wndHelpViewer;
    m_wndHelpViewer.ShowStartPage();
    return TRUE;
}

void CMainFrame::DockControlBarLeftOf(CControlBar* bar, CControlBar* leftOf) {
    // A bar left out (not made) has no place: the bar goes on a row of its own at the top.
    if (!leftOf->GetSafeHwnd() || !leftOf->m_pDockBar) {
        DockControlBar(bar, AFX_IDW_DOCKBAR_TOP);
        return;
    }
    // The other bar's place, one pixel to the right, lands on the same row.
    RecalcLayout(TRUE);
    CRect rect;
    leftOf->GetWindowRect(&rect);
    rect.OffsetRect(1, 0);
    const DWORD style = leftOf->GetBarStyle();
    const UINT side = (style & CBRS_ALIGN_TOP)      ? AFX_IDW_DOCKBAR_TOP
                      : (style & CBRS_ALIGN_BOTTOM) ? AFX_IDW_DOCKBAR_BOTTOM
                      : (style & CBRS_ALIGN_LEFT)   ? AFX_IDW_DOCKBAR_LEFT
                                                    : AFX_IDW_DOCKBAR_RIGHT;
    DockControlBar(bar, side, &rect);
}

void CMainFrame::ToggleBar(CControlBar* bar) {
    if (!bar || !bar->GetSafeHwnd())
        return;
    ShowControlBar(bar, (bar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    RecalcLayout();
}

void CMainFrame::CheckWhileVisible(CCmdUI* pCmdUI, CControlBar* bar) {
    pCmdUI->SetCheck(bar && bar->GetSafeHwnd() && (bar->GetStyle() & WS_VISIBLE) ? 1 : 0);
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (nCode != CN_COMMAND || pHandlerInfo)
        return CMainFrameBase::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    try {
        return CMainFrameBase::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    } catch (CDaoException* e) {
        const CaughtDaoError error(e);
        AfxMessageBox(error.Message(), MB_OK | MB_ICONEXCLAMATION);
        return TRUE;
    }
}

void CMainFrame::OnViewCommandBar() {
    ToggleBar(&m_wndCommandBar);
}

void CMainFrame::OnUpdateViewCommandBar(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, &m_wndCommandBar);
}

void CMainFrame::OnViewHTMLBar() {
    ToggleBar(&m_wndHTMLBar);
}

void CMainFrame::OnUpdateViewHTMLBar(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, &m_wndHTMLBar);
}

void CMainFrame::OnViewActionBar() {
    ToggleBar(&m_wndActionBar);
}

void CMainFrame::OnUpdateViewActionBar(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, &m_wndActionBar);
}

void CMainFrame::OnViewFormBar() {
    ToggleBar(&m_wndFormBar);
}

void CMainFrame::OnUpdateViewFormBar(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, &m_wndFormBar);
}

void CMainFrame::OnViewSiteViewer() {
    ToggleBar(&m_wndServiceBar);
}

void CMainFrame::OnUpdateViewSiteViewer(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, &m_wndServiceBar);
}

void CMainFrame::OnViewOutput() {
    ToggleBar(m_pOutputBar);
}

void CMainFrame::OnUpdateViewOutput(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, m_pOutputBar);
}

void CMainFrame::OnViewHelpViewer() {
    ToggleBar(m_pHelpViewer);
}

void CMainFrame::OnUpdateViewHelpViewer(CCmdUI* pCmdUI) {
    CheckWhileVisible(pCmdUI, m_pHelpViewer);
}

void CMainFrame::OnCenterHelpViewer() {
    if (!m_pHelpViewer || !m_pHelpViewer->GetSafeHwnd())
        return;
    CRect frame;
    CRect viewer;
    GetWindowRect(&frame);
    m_pHelpViewer->GetWindowRect(&viewer);
    // Halves are rounded toward zero.
    const CPoint point(frame.left + (frame.Width() - viewer.Width()) / 2,
                       frame.top + (frame.Height() - viewer.Height()) / 2);
    FloatControlBar(m_pHelpViewer, point, CBRS_ALIGN_TOP);
    ShowControlBar(m_pHelpViewer, TRUE, FALSE);
}

void CMainFrame::OnUpdateLineColumn(CCmdUI* pCmdUI) {
    // The output bar and the editors name the caret's place while they have the focus.
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText("");
}

void CMainFrame::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    const int key = pCmdUI->m_nID == ID_INDICATOR_CAPS  ? kCapsLock
                    : pCmdUI->m_nID == ID_INDICATOR_NUM ? kNumLock
                                                        : kScrollLock;
    pCmdUI->Enable((GetKeyState(key) & 1) != 0);
}

void CMainFrame::OnDatabaseOutOfDate() {
    AfxMessageBox(IDS_DATABASE_OUT_OF_DATE);
    if (CWinApp* app = AfxGetApp())
        app->SetExitCode(1);
    // The window closes as the user would close it: the open editors may save, the layout and
    // the settings are kept and the user is logged out as at any end of the program.
    PostMessage(WM_CLOSE);
}

void CMainFrame::OnHelpFinder() {
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(0, HELP_FINDER);
}

void CMainFrame::OnHelp() {
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(0, HELP_CONTEXT);
}

void CMainFrame::AddEngineMessage(QZEngineMessage* message) {
    // The output bar takes the messages once it is made; until then the program's sink does.
    if (m_pOutputBar)
        m_wndOutputBar.AddEngineMessage(message);
    else
        PostToEngineMessageSink(message);
}

void CMainFrame::ClearEngineMessages() {
    if (m_pOutputBar)
        m_wndOutputBar.ClearEngineMessages();
}

void CMainFrame::RefreshObjectTree(int nTypeCode, long lValue) {
    // The value is the number of an object of the open database.
    const auto type = static_cast<SHORT>(nTypeCode);
    QZKeyCombo key(static_cast<LONG>(lValue));
    key.SetObjectType(type);
    RefreshObjectTree(type, key);
}

void CMainFrame::RefreshObjectTree(SHORT objectType, const QZKeyCombo& key) {
    if (m_wndServiceBar.GetSafeHwnd())
        m_wndServiceBar.RefreshObjectTree(objectType, key);
}

BOOL CMainFrame::HasOpenDocuments() {
    const CVantrel3App* app = GetVantrel3App();
    return app != nullptr && app->CountOpenDocuments() > 0;
}

BOOL CMainFrame::SaveAndCloseAll() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return TRUE;
    if (app->SaveAllModified())
        app->CloseAllDocuments(FALSE);
    return !HasOpenDocuments();
}

void CMainFrame::RefreshSelectedSite() {
    if (CVantrel3App* app = GetVantrel3App())
        SelectService(app->GetCurrentServiceKey());
}

void CMainFrame::SelectService(const QZKeyCombo& service) {
    if (m_wndServiceBar.GetSafeHwnd())
        m_wndServiceBar.SelectService(service);
}

void CMainFrame::ReloadSiteViewer() {
    if (m_wndServiceBar.GetSafeHwnd())
        m_wndServiceBar.ReloadSites();
}

BOOL CMainFrame::OpenSelectedObject() {
    return m_wndServiceBar.GetSafeHwnd() ? m_wndServiceBar.OpenSelectedObject() : FALSE;
}

void CMainFrame::SetStatusPaneText(int nIndex, LPCTSTR lpszText) {
    if (m_wndStatusBar.GetSafeHwnd())
        m_wndStatusBar.SetPaneText(nIndex, lpszText, TRUE);
}

void CMainFrame::ShowHelpTopic(UINT nTopic) {
    ExitHelpMode();
    if (!m_pHelpViewer || !m_pHelpViewer->GetSafeHwnd())
        return;
    ShowControlBar(m_pHelpViewer, TRUE, FALSE);
    m_wndHelpViewer.ShowTopic(nTopic);
}

BOOL CMainFrame::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_bBusy) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CMainFrameBase::OnSetCursor(pWnd, nHitTest, message);
}

void CMainFrame::OnClose() {
    SaveBarState(kBarProfile);
    // A minimised window keeps the placement saved before.
    WINDOWPLACEMENT placement;
    if (GetWindowPlacement(&placement) && placement.showCmd != SW_SHOWMINIMIZED)
        SaveWindowPlacement(this, "Size");
    CMainFrameBase::OnClose();
}

void CMainFrame::OnDestroy() {
    if (m_pOutputBar)
        UninstallOutputMessageSink();
    if (GetFrameServices() == this)
        SetFrameServices(nullptr);
    if (GetSiteMenuHost() == this)
        SetSiteMenuHost(nullptr);
    if (AfxGetMainWnd() == this)
        SetMainWnd(nullptr);
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    CMainFrameBase::OnDestroy();
}
