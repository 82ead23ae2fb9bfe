#pragma once
// A window that holds several clients (views, controls, any window) in one place and shows one
// at a time, switched by a tab strip along its bottom. It makes clients from their run-time
// class, keeps the active one and forwards the tab operations to its tab control; the tab
// control's notice 2024 reaches OnTabSelect, which a derived window may override to refuse a
// switch (it calls this one to let the switch happen).

#include "platform/ui/CWnd.h"
#include "wintoolkit/tabs/SECTabControlBase.h"

#include <memory>
#include <vector>

struct CRuntimeClass;
class CScrollBar;

class SECTabWndBase : public CWnd {
    DECLARE_DYNAMIC(SECTabWndBase)
public:
    SECTabWndBase();
    ~SECTabWndBase() override;

    using CWnd::Create;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    virtual BOOL CreateScrollBar(DWORD dwStyle, UINT nID);
    virtual BOOL CreateTabCtrl(DWORD dwStyle, UINT nID);
    // A tab for a client made from the class (id -1: 60160 + the number of tabs); null, and no
    // tab, when the client cannot be made.
    virtual SECTab* InsertTab(CRuntimeClass* pViewClass, int nIndex, LPCTSTR lpszLabel,
                              CCreateContext* pContext = nullptr, UINT nID = UINT(-1));
    virtual SECTab* InsertTab(CWnd* pWnd, int nIndex, LPCTSTR lpszLabel);
    virtual SECTab* AddTab(CRuntimeClass* pViewClass, LPCTSTR lpszLabel,
                           CCreateContext* pContext = nullptr, UINT nID = UINT(-1));
    virtual SECTab* AddTab(CWnd* pWnd, LPCTSTR lpszLabel);
    virtual void Reserved1(WPARAM wParam, LPARAM lParam);
    virtual void Reserved2(WPARAM wParam, LPARAM lParam);
    virtual void Reserved3(WPARAM wParam, LPARAM lParam);
    virtual void SetTabScrollFlags(int nIndex, DWORD dwFlags);
    virtual void DeleteTab(int nIndex);
    virtual void RemoveTab(CWnd* pWnd);
    virtual void RenameTab(int nIndex, LPCTSTR lpszLabel);
    virtual void RenameTab(CWnd* pWnd, LPCTSTR lpszLabel);
    virtual void ActivateTabByIndex(int nIndex);
    virtual void ActivateTabByWindow(CWnd* pWnd);
    virtual void ActivateTab(CWnd* pWnd, int nIndex);
    virtual void ClearSelection();
    virtual void ScrollToTab(int nIndex);
    virtual void ScrollToTab(CWnd* pWnd);
    virtual void RecalcLayout();

    int GetTabCount() const;
    BOOL GetTabInfo(int nIndex, LPCTSTR& lpszLabel, BOOL& bSelected, CWnd*& pWnd,
                    DWORD& dwExtra) const;
    BOOL FindTab(const CWnd* pWnd, int& nIndex) const;
    CWnd* GetActiveWnd() const { return m_pActiveWnd; }
    SECTabControlBase* GetTabControl() const { return m_pTabCtrl; }

protected:
    CWnd* CreateClient(CRuntimeClass* pViewClass, CCreateContext* pContext, UINT nID);
    // Notice 2024: the tab at wParam was activated; makes its client current.
    virtual LRESULT OnTabSelect(WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

    SECTabControlBase* m_pTabCtrl;
    CWnd* m_pActiveWnd;
    CWnd* m_pWndCreating;
    std::vector<std::unique_ptr<CScrollBar>> m_scrollBars;
};
