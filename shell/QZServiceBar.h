#pragma once
// The docking bar "Site Viewer": a combo box of the sites, a row of ten icon tabs, a bold
// caption naming the current tab and one object tree per tab, of which only the current tab's
// shows. It keeps the application's selected site in step with its combo box, reloads every
// tree when the site changes, and gives the main frame its four operations.

#include "platform/ui/CFont.h"
#include "platform/ui/CTabCtrl.h"
#include "shell/QZServiceBarModel.h"
#include "shell/QZTreeCtrl.h"
#include "wintoolkit/toolbar/SECDialogBar.h"

#include <array>
#include <memory>

class QZServiceComboBox;

class QZServiceBar : public SECDialogBar {
public:
    // The trees act through `actions`; null binds them to the program's editors and main frame.
    explicit QZServiceBar(QZTreeActions* actions = nullptr);
    ~QZServiceBar() override;

    using SECDialogBar::Create;
    // The bar of dialog 147 with its tab row and trees.
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle,
                UINT nID) override;
    // Once after Create: the bold caption, the ten tabs with the page tab current and its tree
    // alone shown, then ReloadSites.
    void Initialize();
    // Refills the site combo box and selects the application's selected site in it.
    void ReloadSites();
    // Shows the site's objects (or the combo box's site when it does not list the key).
    void SelectService(const QZKeyCombo& site);
    void LoadAllTrees(const QZKeyCombo& site);
    void RefreshObjectTree(SHORT type, const QZKeyCombo& key);
    // Opens the object selected in the focused tree: FALSE when no tree has the focus or
    // nothing is selected in it.
    BOOL OpenSelectedObject();

    // The tab row's n-th tab shown, as a click on it does.
    void SelectTab(int nTab);
    int GetCurrentTab() const { return m_wndTabs.GetCurSel(); }
    // The tree of a tab (0 the pages ... 9 the advertising).
    QZTreeCtrl& GetTabTree(int nTab);
    QZServiceBarModel& GetModel() { return m_model; }
    QZServiceComboBox* GetSiteCombo() { return m_pSites.get(); }
    CTabCtrl& GetTabs() { return m_wndTabs; }
    CString GetCaption() const;
    const QZKeyCombo& GetCurrentSiteKey() const { return m_model.GetCurrentSiteKey(); }

    static constexpr int kTabCount = 10;

    // The bar's controls answer to the bar itself, not to frame commands: none is greyed for
    // want of a frame handler.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    static bool HasSiteDatabase();
    void OnTabSelChange();
    void OnSiteSelChange();
    void Layout(int cx, int cy);
    // The tree of each member in order; the tab's tree by the tab table.
    std::array<QZTreeCtrl*, kTabCount> Trees();

    std::unique_ptr<QZTreeActions> m_pOwnActions;
    QZServiceBarModel m_model;
    CFont m_captionFont;
    CWnd m_wndCaption;
    std::unique_ptr<QZServiceComboBox> m_pSites;
    CTabCtrl m_wndTabs;
    QZTreeCtrl m_wndMacros;
    QZTreeCtrl m_wndPages;
    QZTreeCtrl m_wndImages;
    QZTreeCtrl m_wndForms;
    QZTreeCtrl m_wndMessages;
    QZTreeCtrl m_wndQueries;
    QZTreeCtrl m_wndStyles;
    QZTreeCtrl m_wndMultiMedia;
    QZTreeCtrl m_wndEvents;
    QZTreeCtrl m_wndAdvertising;
};
