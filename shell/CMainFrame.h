#pragma once
// The program's main window: the workbook frame titled "Marquill" with the status bar, five
// tool bars and the docking bars (output, Site Viewer, help viewer), whose layout it loads when
// it is made and saves when it closes, together with its own placement ("Size"). It takes the
// bars' toggle commands, and is the way by which the application reaches the bars: engine
// messages, status texts, help topics and the Site Viewer's operations.

#include "platform/ui/CCmdTarget.h"
#include "shell/QZFrameServices.h"
#include "shell/QZHelpViewer.h"
#include "shell/QZOutputBar.h"
#include "shell/QZServiceBar.h"
#include "shell/QZSiteMenuHost.h"
#include "wintoolkit/statusbar/SECStatusBar.h"
#include "wintoolkit/toolbar/SECDialogBar.h"
#include "wintoolkit/toolbar/SECToolBar.h"
#include "wintoolkit/workbook/SECWorkbook.h"

class CCmdUI;
class QZEngineMessage;
class QZKeyCombo;

// The frame class the main window stands on.
using CMainFrameBase = SECWorkbook;

class CMainFrame : public CMainFrameBase, public QZFrameServices, public QZSiteMenuHost {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Makes the frame (not shown yet): FALSE when it cannot be made.
    BOOL LoadFrame();

    // Engine messages for the output bar (ownership passes), and emptying its log.
    void AddEngineMessage(QZEngineMessage* message);
    void ClearEngineMessages();
    // Engine errors of a command are shown to the user here; they end that command only.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // The Site Viewer's operations: the tree of a kind refreshed, selecting in it the object of
    // that number in the open database, or the object of the key.
    void RefreshObjectTree(int nTypeCode, long lValue);
    void RefreshObjectTree(SHORT objectType, const QZKeyCombo& key) override;
    // The Site menu's dialogs: the open editors, saving and closing them, the selected site.
    BOOL HasOpenDocuments() override;
    BOOL SaveAndCloseAll() override;
    void RefreshSelectedSite() override;
    void SelectService(const QZKeyCombo& service);
    void ReloadSiteViewer() override;
    // FALSE when no object is selected in the focused tree.
    BOOL OpenSelectedObject();
    // Sets a status bar pane's text and redraws it at once.
    void SetStatusPaneText(int nIndex, LPCTSTR lpszText) override;
    // Shows the help viewer with the topic.
    void ShowHelpTopic(UINT nTopic) override;

    // While set, the frame shows the wait cursor.
    BOOL m_bBusy = FALSE;

    // The bars, in the order they are declared.
    SECToolBar m_wndHTMLBar;
    SECToolBar m_wndCommandBar;
    SECStatusBar m_wndStatusBar;
    SECToolBar m_wndToolBar;
    SECToolBar m_wndActionBar;
    SECToolBar m_wndFormBar;
    QZServiceBar m_wndServiceBar;
    QZOutputBar m_wndOutputBar;
    QZHelpViewer m_wndHelpViewer;
    // The output bar and the help viewer once made; null when they could not be.
    CControlBar* m_pOutputBar = nullptr;
    CControlBar* m_pHelpViewer = nullptr;

    // The profile name of the bars' layout, under the program's bar key.
    static const char* const kBarProfile;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void OnDestroy() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

    void OnViewCommandBar();
    void OnUpdateViewCommandBar(CCmdUI* pCmdUI);
    void OnViewHTMLBar();
    void OnUpdateViewHTMLBar(CCmdUI* pCmdUI);
    void OnViewActionBar();
    void OnUpdateViewActionBar(CCmdUI* pCmdUI);
    void OnViewFormBar();
    void OnUpdateViewFormBar(CCmdUI* pCmdUI);
    void OnViewSiteViewer();
    void OnUpdateViewSiteViewer(CCmdUI* pCmdUI);
    void OnViewOutput();
    void OnUpdateViewOutput(CCmdUI* pCmdUI);
    void OnViewHelpViewer();
    void OnUpdateViewHelpViewer(CCmdUI* pCmdUI);
    void OnCenterHelpViewer();
    void OnUpdateLineColumn(CCmdUI* pCmdUI);
    // The Caps, Num and Scroll Lock panes, shown while their key's lock is on.
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    void OnDatabaseOutOfDate();
    void OnHelpFinder();
    void OnHelp();

private:
    BOOL CreateStatusBar();
    BOOL CreateToolBar(SECToolBar& bar, UINT nBarId, UINT nResource, LPCTSTR lpszTitle);
    // Steps of the making whose bars come separately: TRUE when they went well.
    BOOL CreateOutputBar();
    BOOL CreateServiceBar();
    BOOL CreateHelpViewer();
    // Docks `bar` on the row of `leftOf`, just to its right.
    void DockControlBarLeftOf(CControlBar* bar, CControlBar* leftOf);
    // Shows a hidden bar or hides a shown one, and lays the frame out again at once.
    void ToggleBar(CControlBar* bar);
    static void CheckWhileVisible(CCmdUI* pCmdUI, CControlBar* bar);

    DECLARE_MESSAGE_MAP()
};
