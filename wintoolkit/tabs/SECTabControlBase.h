#pragma once
// The list of a tab strip's tabs and the operations on it: inserting, deleting, renaming,
// activating and selecting tabs, with the notices to the parent window (2024 a tab activated,
// 2025 a tab double-clicked, 2026 the selection cleared), sent at once.

#include "platform/core/CObArray.h"
#include "platform/ui/CWnd.h"
#include "wintoolkit/tabs/SECTab.h"

constexpr UINT TCM_TABSEL = 0x0400 + 1000;
constexpr UINT TCM_TABDBLCLK = 0x0400 + 1001;
constexpr UINT TCM_TABSELCLR = 0x0400 + 1002;

class SECTabControlBase : public CWnd {
    DECLARE_DYNAMIC(SECTabControlBase)
public:
    SECTabControlBase();
    ~SECTabControlBase() override;

    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual void Initialize(DWORD dwStyle);
    virtual SECTab* CreateNewTab();
    virtual void RecalcLayout();
    virtual SECTab* InsertTab(int nIndex, LPCTSTR lpszLabel, CObject* pClient, DWORD dwExtra1 = 0,
                              DWORD dwExtra2 = 0);
    virtual SECTab* AddTab(LPCTSTR lpszLabel, CObject* pClient, DWORD dwExtra1 = 0,
                           DWORD dwExtra2 = 0);
    virtual void Reserved1(WPARAM, LPARAM) {}
    virtual void Reserved2(WPARAM, LPARAM) {}
    virtual void Reserved3(WPARAM, LPARAM) {}
    virtual void DeleteTab(int nIndex);
    virtual void RenameTab(int nIndex, LPCTSTR lpszLabel);
    virtual void ActivateTab(int nIndex);
    virtual void SelectTab(int nIndex);
    virtual void ClearSelection();
    virtual void ScrollToTab(int nIndex);
    virtual void InvalidateTab(int nIndex);

    int GetTabCount() const { return m_pTabArray ? static_cast<int>(m_pTabArray->GetSize()) : 0; }
    SECTab* GetTab(int nIndex) const;
    BOOL GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CObject*& pClient,
                    DWORD& dwExtra1, DWORD& dwExtra2) const;
    BOOL FindTab(const CObject* pClient, int& nIndex) const;
    BOOL GetActiveTab(int& nIndex) const;

protected:
    // Tells the parent window (at once).
    virtual void NotifyParent(UINT message, WPARAM wParam);
    void InvalidateFrom(int nIndex);
    void OnDestroy() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    void DeleteTabs();

    CObArray* m_pTabArray;
    int m_nActiveTab;
    BOOL m_bActiveTab;
    HCURSOR m_hcurArrow;
};
