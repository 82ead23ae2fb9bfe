#include "shell/QZOutputBar.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/StockObjects.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNAMIC(QZOutputBar, SECControlBar)

BEGIN_MESSAGE_MAP(QZOutputBar, SECControlBar)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND, OnUpdateEditFind)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateEditFindNext)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINECOL, OnUpdateLineColumn)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kLogStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                            ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL |
                            ES_SAVESEL;

} // namespace

QZOutputBar::QZOutputBar() = default;

QZOutputBar::~QZOutputBar() {
    DestroyWindow();
}

int QZOutputBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (SECControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndTab.Create(this, WS_CHILD | WS_VISIBLE, IDC_OUTPUT_TABS))
        return -1;
    // The bar has no size yet: the tab window starts at the bar's default one, so that laying
    // out its first tab never gives the log a negative size.
    m_wndTab.MoveWindow(0, 0, s_sizeDefault.cx, s_sizeDefault.cy, FALSE);
    if (!m_wndLog.Create(kLogStyle, CRect(0, 0, 20, 20), &m_wndTab, IDC_OUTPUT_LOG))
        return -1;
    // The frame offers its commands to the bar first while the log has the focus.
    m_wndLog.SetFocusCommandTarget(this);
    m_wndTab.AddTab(&m_wndLog, "Output");
    m_wndTab.ActivateTabByIndex(0);
    m_wndTab.ScrollToTab(0);
    return 0;
}

void QZOutputBar::AddEngineMessage(QZEngineMessage* message) {
    m_wndLog.AddMessage(message);
}

void QZOutputBar::ClearEngineMessages() {
    m_wndLog.Clear();
}

BOOL QZOutputBar::LogHasFocus() const {
    const CWnd* focus = GetFocus();
    return focus != nullptr && focus == &m_wndLog;
}

void QZOutputBar::OnEditCopy() {
    m_wndLog.Copy();
}

void QZOutputBar::OnUpdateEditCopy(CCmdUI* pCmdUI) {
    long start = 0;
    long end = 0;
    m_wndLog.GetSel(start, end);
    pCmdUI->Enable(start != end);
}

void QZOutputBar::OnEditSelectAll() {
    m_wndLog.SetSel(0, -1);
}

// The log has nothing to search: the commands are taken so that no other window gets them.
void QZOutputBar::OnEditFind() {}

void QZOutputBar::OnUpdateEditFind(CCmdUI*) {}

void QZOutputBar::OnUpdateEditFindNext(CCmdUI*) {}

void QZOutputBar::OnUpdateLineColumn(CCmdUI* pCmdUI) {
    pCmdUI->Enable();
    CString text;
    text.Format(" Ln %ld, Col %ld", static_cast<long>(m_wndLog.GetCaretLine()),
                static_cast<long>(m_wndLog.GetCaretColumn()));
    pCmdUI->SetText(text);
}

void QZOutputBar::OnSize(UINT nType, int cx, int cy) {
    SECControlBar::OnSize(nType, cx, cy);
    if (!m_wndTab.GetSafeHwnd())
        return;
    CRect rect;
    GetInsideRect(rect);
    rect.DeflateRect(1, 1);
    m_wndTab.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void QZOutputBar::OnPaint() {
    CPaintDC dc(this);
    CRect rect;
    GetInsideRect(rect);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(&rect);
    if (oldBrush)
        dc.SelectObject(static_cast<CBrush*>(oldBrush));
}

BOOL QZOutputBar::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    if (!m_wndTab.GetSafeHwnd()) {
        pDC->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
        return TRUE;
    }
    CRect tabs;
    m_wndTab.GetWindowRect(&tabs);
    ScreenToClient(&tabs);
    // The four strips the tab window leaves uncovered.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    pDC->FillSolidRect(client.left, client.top, client.Width(), tabs.top - client.top, face);
    pDC->FillSolidRect(client.left, tabs.bottom, client.Width(), client.bottom - tabs.bottom, face);
    pDC->FillSolidRect(client.left, tabs.top, tabs.left - client.left, tabs.Height(), face);
    pDC->FillSolidRect(tabs.right, tabs.top, client.right - tabs.right, tabs.Height(), face);
    return TRUE;
}
