#include "wintoolkit/tabs/SECTabControlBase.h"

#include "platform/ui/Cursors.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNAMIC(SECTabControlBase, CWnd)

SECTabControlBase::SECTabControlBase()
    : m_pTabArray(nullptr), m_nActiveTab(0), m_bActiveTab(FALSE), m_hcurArrow(nullptr) {}

SECTabControlBase::~SECTabControlBase() {
    DeleteTabs();
}

BOOL SECTabControlBase::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS);
    if (!CWnd::Create(cls, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    if (!m_pTabArray)
        m_pTabArray = new CObArray;
    m_hcurArrow = LoadCursor(nullptr, IDC_ARROW);
    Initialize(dwStyle);
    return TRUE;
}

void SECTabControlBase::Initialize(DWORD) {}

SECTab* SECTabControlBase::CreateNewTab() {
    return new SECTab;
}

void SECTabControlBase::RecalcLayout() {}

SECTab* SECTabControlBase::InsertTab(int nIndex, LPCTSTR lpszLabel, CObject* pClient,
                                     DWORD dwExtra1, DWORD dwExtra2) {
    if (!m_pTabArray)
        m_pTabArray = new CObArray;
    SECTab* tab = CreateNewTab();
    tab->m_csLabel = lpszLabel ? lpszLabel : "";
    tab->m_pClient = pClient;
    tab->m_dwExtra1 = dwExtra1;
    tab->m_dwExtra2 = dwExtra2;
    m_pTabArray->InsertAt(nIndex, tab);
    RecalcLayout();
    InvalidateFrom(nIndex);
    return tab;
}

SECTab* SECTabControlBase::AddTab(LPCTSTR lpszLabel, CObject* pClient, DWORD dwExtra1,
                                  DWORD dwExtra2) {
    return InsertTab(GetTabCount(), lpszLabel, pClient, dwExtra1, dwExtra2);
}

void SECTabControlBase::InvalidateFrom(int nIndex) {
    for (int i = nIndex; i < GetTabCount(); ++i)
        InvalidateTab(i);
}

void SECTabControlBase::DeleteTab(int nIndex) {
    if (nIndex < 0 || nIndex >= GetTabCount())
        return;
    InvalidateFrom(nIndex);
    delete GetTab(nIndex);
    m_pTabArray->RemoveAt(nIndex);
    InvalidateFrom(nIndex);
    if (m_bActiveTab) {
        const int count = GetTabCount();
        if (count == 0) {
            m_bActiveTab = FALSE;
        } else if (nIndex < m_nActiveTab) {
            // The current tab moved down one place: its index follows it.
            --m_nActiveTab;
        } else if (m_nActiveTab >= count) {
            m_bActiveTab = FALSE;
            ActivateTab(count - 1);
        } else if (nIndex == m_nActiveTab) {
            m_bActiveTab = FALSE;
            ActivateTab(nIndex);
        }
    }
    RecalcLayout();
}

void SECTabControlBase::RenameTab(int nIndex, LPCTSTR lpszLabel) {
    SECTab* tab = GetTab(nIndex);
    if (!tab)
        return;
    InvalidateFrom(nIndex);
    tab->m_csLabel = lpszLabel ? lpszLabel : "";
    RecalcLayout();
    InvalidateFrom(nIndex);
}

void SECTabControlBase::ActivateTab(int nIndex) {
    if (nIndex < 0 || nIndex >= GetTabCount())
        return;
    if (nIndex == m_nActiveTab && m_bActiveTab)
        return;
    if (m_bActiveTab && GetTab(m_nActiveTab)) {
        GetTab(m_nActiveTab)->m_bSelected = FALSE;
        InvalidateTab(m_nActiveTab);
    }
    m_nActiveTab = nIndex;
    m_bActiveTab = TRUE;
    GetTab(nIndex)->m_bSelected = TRUE;
    InvalidateTab(nIndex);
    ScrollToTab(nIndex);
    NotifyParent(TCM_TABSEL, static_cast<WPARAM>(nIndex));
}

void SECTabControlBase::SelectTab(int nIndex) {
    SECTab* tab = GetTab(nIndex);
    if (!tab)
        return;
    tab->m_bSelected = TRUE;
    InvalidateTab(nIndex);
    NotifyParent(TCM_TABSEL, static_cast<WPARAM>(m_nActiveTab));
}

void SECTabControlBase::ClearSelection() {
    for (int i = 0; i < GetTabCount(); ++i) {
        if (GetTab(i)->m_bSelected) {
            GetTab(i)->m_bSelected = FALSE;
            InvalidateTab(i);
        }
    }
    m_bActiveTab = FALSE;
    NotifyParent(TCM_TABSELCLR, 0);
}

void SECTabControlBase::ScrollToTab(int) {}

void SECTabControlBase::InvalidateTab(int) {}

SECTab* SECTabControlBase::GetTab(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetTabCount())
        return nullptr;
    return static_cast<SECTab*>(m_pTabArray->GetAt(nIndex));
}

BOOL SECTabControlBase::GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected,
                                   CObject*& pClient, DWORD& dwExtra1, DWORD& dwExtra2) const {
    const SECTab* tab = GetTab(nIndex);
    if (!tab)
        return FALSE;
    lpszLabel = tab->m_csLabel;
    bSelected = tab->m_bSelected;
    pClient = tab->m_pClient;
    dwExtra1 = tab->m_dwExtra1;
    dwExtra2 = tab->m_dwExtra2;
    return TRUE;
}

BOOL SECTabControlBase::FindTab(const CObject* pClient, int& nIndex) const {
    BOOL found = FALSE;
    for (int i = 0; i < GetTabCount(); ++i) {
        if (GetTab(i)->m_pClient == pClient) {
            nIndex = i;
            found = TRUE;
        }
    }
    return found;
}

BOOL SECTabControlBase::GetActiveTab(int& nIndex) const {
    nIndex = m_nActiveTab;
    return m_bActiveTab;
}

void SECTabControlBase::NotifyParent(UINT message, WPARAM wParam) {
    if (CWnd* parent = GetParent())
        parent->SendMessage(message, wParam, 0);
}

void SECTabControlBase::DeleteTabs() {
    if (!m_pTabArray)
        return;
    for (int i = 0; i < GetTabCount(); ++i)
        delete GetTab(i);
    delete m_pTabArray;
    m_pTabArray = nullptr;
}

void SECTabControlBase::OnDestroy() {
    DeleteTabs();
    CWnd::OnDestroy();
}

BOOL SECTabControlBase::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(m_hcurArrow);
    return TRUE;
}
