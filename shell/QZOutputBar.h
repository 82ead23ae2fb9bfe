#pragma once
// The docking bar "Output Window": a tab window with one tab, "Output", whose page is the log
// of engine messages. While the log has the focus the bar takes Copy, Select All, Find, Find
// Next and the line-and-column pane of the status bar.

#include "res/Resource.h"
#include "shell/QZEngineMessageCtrl.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/tabs/SECTabWnd.h"

class CCmdUI;
class QZEngineMessage;

class QZOutputBar : public SECControlBar {
    DECLARE_DYNAMIC(QZOutputBar)
public:
    QZOutputBar();
    ~QZOutputBar() override;

    // Appends the message's line to the log (the message is taken over).
    void AddEngineMessage(QZEngineMessage* message);
    void ClearEngineMessages();
    QZEngineMessageCtrl& GetLog() { return m_wndLog; }
    SECTabWnd& GetTabWnd() { return m_wndTab; }
    // The bar has no controls whose state the frame's handlers set.
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    // The bar answers commands only while its log has the focus.
    BOOL LogHasFocus() const;

    // Command handlers (Copy, Select All, Find, Find Next, the line-and-column pane).
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditSelectAll();
    void OnEditFind();
    void OnUpdateEditFind(CCmdUI* pCmdUI);
    void OnUpdateEditFindNext(CCmdUI* pCmdUI);
    void OnUpdateLineColumn(CCmdUI* pCmdUI);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

private:
    DECLARE_MESSAGE_MAP()

    QZEngineMessageCtrl m_wndLog;
    SECTabWnd m_wndTab;
};
