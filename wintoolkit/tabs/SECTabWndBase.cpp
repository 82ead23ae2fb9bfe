#include "wintoolkit/tabs/SECTabWndBase.h"

#include "platform/core/CMemoryException.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CResourceException.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CView.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/tabs/SECTabWndLayout.h"

IMPLEMENT_DYNAMIC(SECTabWndBase, CWnd)

SECTabWndBase::SECTabWndBase()
    : m_pTabCtrl(nullptr), m_pActiveWnd(nullptr), m_pWndCreating(nullptr) {}

SECTabWndBase::~SECTabWndBase() {
    delete m_pTabCtrl;
}

BOOL SECTabWndBase::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    dwStyle &= ~(WS_HSCROLL | WS_VSCROLL);
    if (!GetSafeHwnd()) {
        LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS);
        if (!CreateEx(0, windowClass, nullptr, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
            return FALSE;
    }
    if (!CreateTabCtrl(dwStyle, SECTABWND_ID_TABCTRL))
        AfxThrowResourceException();
    return TRUE;
}

BOOL SECTabWndBase::CreateScrollBar(DWORD dwStyle, UINT nID) {
    auto bar = std::make_unique<CScrollBar>();
    if (!bar->Create(dwStyle | WS_CHILD, CRect(0, 0, 1, 1), this, nID))
        return FALSE;
    m_scrollBars.push_back(std::move(bar));
    return TRUE;
}

BOOL SECTabWndBase::CreateTabCtrl(DWORD, UINT) {
    return FALSE;
}

CWnd* SECTabWndBase::CreateClient(CRuntimeClass* pViewClass, CCreateContext* pContext, UINT nID) {
    CObject* object = pViewClass ? pViewClass->CreateObject() : nullptr;
    if (!object)
        AfxThrowMemoryException();
    auto* wnd = dynamic_cast<CWnd*>(object);
    if (!wnd) {
        delete object;
        return nullptr;
    }
    m_pWndCreating = wnd;
    CRect client;
    GetClientRect(&client);
    const BOOL created =
        wnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, client, this, nID, pContext);
    m_pWndCreating = nullptr;
    if (!created) {
        // Nobody else holds the object: it goes, and no tab is made for it.
        delete wnd;
        return nullptr;
    }
    return wnd;
}

SECTab* SECTabWndBase::InsertTab(CRuntimeClass* pViewClass, int nIndex, LPCTSTR lpszLabel,
                                 CCreateContext* pContext, UINT nID) {
    if (nID == UINT(-1))
        nID = SECTabWndLayout::DefaultClientId(GetTabCount());
    CWnd* client = CreateClient(pViewClass, pContext, nID);
    return client ? InsertTab(client, nIndex, lpszLabel) : nullptr;
}

SECTab* SECTabWndBase::InsertTab(CWnd* pWnd, int nIndex, LPCTSTR lpszLabel) {
    SECTab* tab = m_pTabCtrl->InsertTab(nIndex, lpszLabel, pWnd, 0, 0);
    SetTabScrollFlags(nIndex, 0);
    return tab;
}

SECTab* SECTabWndBase::AddTab(CRuntimeClass* pViewClass, LPCTSTR lpszLabel,
                              CCreateContext* pContext, UINT nID) {
    if (nID == UINT(-1))
        nID = SECTabWndLayout::DefaultClientId(GetTabCount());
    CWnd* client = CreateClient(pViewClass, pContext, nID);
    return client ? AddTab(client, lpszLabel) : nullptr;
}

SECTab* SECTabWndBase::AddTab(CWnd* pWnd, LPCTSTR lpszLabel) {
    SECTab* tab = m_pTabCtrl->AddTab(lpszLabel, pWnd, 0, 0);
    SetTabScrollFlags(GetTabCount() - 1, 0);
    return tab;
}

void SECTabWndBase::Reserved1(WPARAM wParam, LPARAM lParam) {
    m_pTabCtrl->Reserved1(wParam, lParam);
}

void SECTabWndBase::Reserved2(WPARAM wParam, LPARAM lParam) {
    m_pTabCtrl->Reserved2(wParam, lParam);
}

void SECTabWndBase::Reserved3(WPARAM wParam, LPARAM lParam) {
    m_pTabCtrl->Reserved3(wParam, lParam);
}

void SECTabWndBase::SetTabScrollFlags(int, DWORD) {}

void SECTabWndBase::DeleteTab(int nIndex) {
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* client = nullptr;
    DWORD extra = 0;
    if (GetTabInfo(nIndex, label, selected, client, extra) && client == m_pActiveWnd)
        m_pActiveWnd = nullptr;
    m_pTabCtrl->DeleteTab(nIndex);
}

void SECTabWndBase::RemoveTab(CWnd* pWnd) {
    if (int index = 0; FindTab(pWnd, index))
        DeleteTab(index);
}

void SECTabWndBase::RenameTab(int nIndex, LPCTSTR lpszLabel) {
    m_pTabCtrl->RenameTab(nIndex, lpszLabel);
}

void SECTabWndBase::RenameTab(CWnd* pWnd, LPCTSTR lpszLabel) {
    if (int index = 0; FindTab(pWnd, index))
        RenameTab(index, lpszLabel);
}

void SECTabWndBase::ActivateTabByIndex(int nIndex) {
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* client = nullptr;
    DWORD extra = 0;
    if (GetTabInfo(nIndex, label, selected, client, extra))
        ActivateTab(client, nIndex);
}

void SECTabWndBase::ActivateTabByWindow(CWnd* pWnd) {
    if (int index = 0; FindTab(pWnd, index))
        ActivateTab(pWnd, index);
}

void SECTabWndBase::ActivateTab(CWnd* pWnd, int nIndex) {
    if (pWnd == m_pActiveWnd)
        return;
    int current = -1;
    if (!m_pTabCtrl->GetActiveTab(current) || current != nIndex)
        m_pTabCtrl->ActivateTab(nIndex);
    // The notice may have made the switch already, or a derived window may have refused it.
    if (pWnd == m_pActiveWnd || !m_pTabCtrl->GetActiveTab(current) || current != nIndex)
        return;
    SetFocus();
    if (m_pActiveWnd && m_pActiveWnd->GetSafeHwnd())
        m_pActiveWnd->ShowWindow(SW_HIDE);
    m_pActiveWnd = pWnd;
    if (pWnd) {
        pWnd->ShowWindow(SW_SHOW);
        if (auto* view = dynamic_cast<CView*>(pWnd)) {
            if (CFrameWnd* frame = GetParentFrameOf(this))
                frame->SetActiveView(view, TRUE);
        }
        pWnd->SetFocus();
    }
    RecalcLayout();
    Invalidate(TRUE);
}

void SECTabWndBase::ClearSelection() {
    m_pTabCtrl->ClearSelection();
}

void SECTabWndBase::ScrollToTab(int nIndex) {
    m_pTabCtrl->ScrollToTab(nIndex);
}

void SECTabWndBase::ScrollToTab(CWnd* pWnd) {
    if (int index = 0; FindTab(pWnd, index))
        ScrollToTab(index);
}

void SECTabWndBase::RecalcLayout() {}

int SECTabWndBase::GetTabCount() const {
    return m_pTabCtrl ? m_pTabCtrl->GetTabCount() : 0;
}

BOOL SECTabWndBase::GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CWnd*& pWnd,
                               DWORD& dwExtra) const {
    if (!m_pTabCtrl || nIndex < 0 || nIndex >= GetTabCount())
        return FALSE;
    CObject* client = nullptr;
    DWORD extra1 = 0;
    if (!m_pTabCtrl->GetTabInfo(nIndex, lpszLabel, bSelected, client, extra1, dwExtra))
        return FALSE;
    pWnd = dynamic_cast<CWnd*>(client);
    return TRUE;
}

BOOL SECTabWndBase::FindTab(const CWnd* pWnd, int& nIndex) const {
    return m_pTabCtrl && pWnd && m_pTabCtrl->FindTab(pWnd, nIndex);
}

LRESULT SECTabWndBase::OnTabSelect(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* client = nullptr;
    DWORD extra = 0;
    if (GetTabInfo(index, label, selected, client, extra))
        ActivateTab(client, index);
    return 0;
}

LRESULT SECTabWndBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TCM_TABSEL)
        return OnTabSelect(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

void SECTabWndBase::OnDestroy() {
    if (m_pTabCtrl) {
        if (m_pTabCtrl->GetSafeHwnd())
            m_pTabCtrl->DestroyWindow();
        delete m_pTabCtrl;
        m_pTabCtrl = nullptr;
    }
    m_pActiveWnd = nullptr;
    CWnd::OnDestroy();
}
