#pragma once
// A modal property sheet: pages of dialog templates under tabs with OK and Cancel, or, in wizard
// mode, one page at a time with Back, Next or Finish, and Cancel. Pages can be added and
// removed while the sheet runs. The sheet does not own its pages.

#include "platform/ui/CWnd.h"

#include <vector>

class CPropertyPage;
class WxSheetWindow;

// The wizard's buttons, for SetWizardButtons.
constexpr DWORD PSWIZB_BACK = 0x00000001;
constexpr DWORD PSWIZB_NEXT = 0x00000002;
constexpr DWORD PSWIZB_FINISH = 0x00000004;
constexpr DWORD PSWIZB_DISABLEDFINISH = 0x00000008;

// The wizard's button ids; DoModal answers ID_WIZFINISH when a wizard was finished.
constexpr int ID_WIZBACK = 0x3023;
constexpr int ID_WIZNEXT = 0x3024;
constexpr int ID_WIZFINISH = 0x3025;

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    // The sheet captioned with string `nIDCaption` (or `pszCaption`), owned by `pParentWnd`'s
    // top-level window (the main window when none), opening on page `iSelectPage`.
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // Adds the page after the others; a running sheet shows its tab (and grows to fit it).
    void AddPage(CPropertyPage* pPage);
    // Takes the page out, destroying its window; a removed active page gives way to the page
    // now at its place (or the one before when it was the last).
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    // The page at `nPage`, or nullptr.
    CPropertyPage* GetPage(int nPage) const;
    // The page's index, or -1.
    int GetPageIndex(CPropertyPage* pPage) const;
    // The page shown (before the sheet runs: the page it will open on).
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Leaves the page shown (which may refuse) and shows `nPage`; FALSE when it was refused or
    // there is no such page. Before the sheet runs, sets the page it opens on.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    // One page at a time with Back, Next or Finish: call before DoModal.
    void SetWizardMode();
    BOOL IsWizard() const { return m_wizard; }
    // The PSWIZB_ flags: Back and Next enabled; Finish shown in place of Next (enabled, or
    // disabled with PSWIZB_DISABLEDFINISH).
    void SetWizardButtons(DWORD dwFlags);

    // Runs the sheet: IDOK, IDCANCEL, or ID_WIZFINISH for a finished wizard; -1 when it could
    // not be shown (no window system, no pages, a page whose template cannot be built).
    virtual INT_PTR DoModal();
    // Ends the modal run with `nEndID`.
    void EndDialog(int nEndID);

    // Called once the sheet's window exists, before it shows; the base adds the tabs and shows
    // the first page.
    virtual BOOL OnInitDialog();
    // Destroys the pages' windows, then the sheet's.
    BOOL DestroyWindow() override;

protected:
    // OK, Cancel, Back, Next and Finish (also Enter, Escape and the close box).
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    friend class WxSheetWindow;

    void CommonConstruct(CWnd* parent, UINT selectPage);
    WxSheetWindow* Window() const;
    // Adds the page's place in the running sheet.
    void PlacePage(int index);
    // Makes the page's window and runs its OnInitDialog; FALSE when the template cannot be
    // built.
    bool CreatePage(CPropertyPage* page);
    // Shows page `index`, leaving the page shown first when `leave`; false when refused.
    bool ActivatePage(int index, bool leave);
    // A tab is about to be chosen by the user: false vetoes it.
    bool OnTabChanging(int index);
    void ShowTitle();
    // The pages that have a window, in tab order.
    std::vector<CPropertyPage*> CreatedPages() const;

    void OnOK();
    void OnCancel();
    void OnWizardMove(bool forward);
    void OnWizardFinish();

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = 0;
    bool m_wizard = false;
    bool m_placed = false;
    DWORD m_wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
    int m_result = 0;
    bool m_ended = false;
};
