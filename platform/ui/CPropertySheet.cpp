#include "platform/ui/CPropertySheet.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/DialogContents.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WinTypes.h"
#include "platform/ui/WxSheetWindow.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet() {
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption ? pszCaption : "") {
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() {
    // The pages may be gone already (members of the class derived from this one).
    m_pages.clear();
    if (GetSafeHwnd())
        CWnd::DestroyWindow();
}

void CPropertySheet::CommonConstruct(CWnd* parent, UINT selectPage) {
    m_pParentWnd = parent;
    m_nActive = static_cast<int>(selectPage);
}

WxSheetWindow* CPropertySheet::Window() const {
    return dynamic_cast<WxSheetWindow*>(GetSafeHwnd());
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (!pPage || GetPageIndex(pPage) >= 0)
        return;
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
    if (!m_placed)
        return;
    const int index = GetPageCount() - 1;
    PlacePage(index);
    Window()->FitPages(false);
    // The first page of an empty running sheet shows at once.
    if (index == 0)
        ActivatePage(0, false);
}

void CPropertySheet::PlacePage(int index) {
    CPropertyPage* page = m_pages[static_cast<size_t>(index)];
    Window()->InsertPlace(index, ToWx(page->GetCaption()),
                          DialogTemplates::Lookup(page->GetTemplateId()));
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    CPropertyPage* page = m_pages[static_cast<size_t>(nPage)];
    m_pages.erase(m_pages.begin() + nPage);
    page->m_pSheet = nullptr;
    if (page->GetSafeHwnd())
        page->DestroyWindow();
    if (!m_placed) {
        if (m_nActive > nPage)
            --m_nActive;
        return;
    }
    const bool wasActive = nPage == m_nActive;
    Window()->RemovePlace(nPage);
    if (wasActive)
        m_nActive = -1;
    else if (m_nActive > nPage)
        --m_nActive;
    if (wasActive && !m_pages.empty())
        ActivatePage(std::min(nPage, GetPageCount() - 1), false);
    else if (!m_pages.empty())
        Window()->ShowPlace(m_nActive);
    else
        ShowTitle();
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
    const auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(m_nActive);
}

int CPropertySheet::GetActiveIndex() const {
    return m_nActive;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!m_placed) {
        m_nActive = nPage;
        return TRUE;
    }
    return ActivatePage(nPage, true);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT) {
    m_strCaption = lpszText ? lpszText : "";
    if (GetSafeHwnd())
        ShowTitle();
}

void CPropertySheet::ShowTitle() {
    // A wizard is titled by the page it shows, when the page has a caption of its own.
    CString title = m_strCaption;
    if (m_wizard && GetActivePage() && !GetActivePage()->GetCaption().IsEmpty())
        title = GetActivePage()->GetCaption();
    GetSafeHwnd()->SetLabel(ToWx(title));
}

void CPropertySheet::SetWizardMode() {
    m_wizard = true;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    m_wizardButtons = dwFlags;
    if (WxSheetWindow* window = Window())
        window->SetWizardButtons(dwFlags);
}

INT_PTR CPropertySheet::DoModal() {
    if (GetSafeHwnd() || m_pages.empty() || !wxTheApp)
        return -1;
    CWnd* owner = GetSafeOwner(m_pParentWnd);
    const DialogTemplate* first = DialogTemplates::Lookup(m_pages.front()->GetTemplateId());
    auto* window = new WxSheetWindow(owner ? owner->GetSafeHwnd() : nullptr, ToWx(m_strCaption),
                                     m_wizard, first);
    Attach(window);
    m_ended = false;
    m_result = -1;
    if (m_wizard)
        window->SetWizardButtons(m_wizardButtons);
    // A start page that cannot be shown leaves nothing to run.
    if (OnInitDialog() && !m_ended) {
        m_result = static_cast<int>(window->ShowModal());
    }
    const INT_PTR result = m_result;
    DestroyWindow();
    return result;
}

void CPropertySheet::EndDialog(int nEndID) {
    m_result = nEndID;
    m_ended = true;
    WxSheetWindow* window = Window();
    if (window && window->IsModal())
        window->EndModal(nEndID);
}

BOOL CPropertySheet::OnInitDialog() {
    WxSheetWindow* window = Window();
    if (!window)
        return FALSE;
    m_placed = true;
    for (int i = 0; i < GetPageCount(); ++i)
        PlacePage(i);
    window->FitPages(true);
    if (m_nActive < 0 || m_nActive >= GetPageCount())
        m_nActive = 0;
    const int start = m_nActive;
    m_nActive = -1;
    if (!ActivatePage(start, false)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::DestroyWindow() {
    for (CPropertyPage* page : m_pages) {
        if (page->GetSafeHwnd())
            page->DestroyWindow();
    }
    m_placed = false;
    return CWnd::DestroyWindow();
}

bool CPropertySheet::CreatePage(CPropertyPage* page) {
    const DialogTemplate* dialog = DialogTemplates::Lookup(page->GetTemplateId());
    if (!dialog)
        return false;
    wxWindow* window = Window()->MakePageWindow(GetPageIndex(page));
    page->Attach(window);
    if (!DialogContents::Fill(*page, *dialog)) {
        page->DestroyWindow();
        return false;
    }
    page->m_firstSetActive = true;
    page->OnInitDialog();
    return page->GetSafeHwnd() != nullptr;
}

bool CPropertySheet::ActivatePage(int index, bool leave) {
    CPropertyPage* current = GetActivePage();
    CPropertyPage* next = GetPage(index);
    if (!next)
        return false;
    if (next == current && next->GetSafeHwnd())
        return true;
    if (leave && current && current != next && current->GetSafeHwnd() && !current->OnKillActive())
        return false;
    if (!next->GetSafeHwnd() && !CreatePage(next))
        return false;
    const int previous = m_nActive;
    m_nActive = GetPageIndex(next);
    if (!next->OnSetActive() && GetPage(previous)) {
        m_nActive = previous;
        return false;
    }
    if (GetPage(m_nActive) != next)
        return false; // OnSetActive took the page out
    Window()->ShowPlace(m_nActive);
    ShowTitle();
    return true;
}

bool CPropertySheet::OnTabChanging(int index) {
    return ActivatePage(index, true);
}

std::vector<CPropertyPage*> CPropertySheet::CreatedPages() const {
    std::vector<CPropertyPage*> created;
    for (CPropertyPage* page : m_pages) {
        if (page->GetSafeHwnd())
            created.push_back(page);
    }
    return created;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return CWnd::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    case ID_WIZBACK:
        OnWizardMove(false);
        return TRUE;
    case ID_WIZNEXT:
        OnWizardMove(true);
        return TRUE;
    case ID_WIZFINISH:
        OnWizardFinish();
        return TRUE;
    default:
        return CWnd::OnCommand(wParam, lParam);
    }
}

void CPropertySheet::OnOK() {
    CPropertyPage* current = GetActivePage();
    if (current && current->GetSafeHwnd() && !current->OnKillActive())
        return;
    // A page may add or remove pages as it applies: each page shown is asked once.
    for (CPropertyPage* page : CreatedPages()) {
        if (GetPageIndex(page) < 0 || !page->GetSafeHwnd())
            continue;
        if (!page->OnApply()) {
            if (GetPageIndex(page) >= 0 && page != GetActivePage())
                ActivatePage(GetPageIndex(page), false);
            return;
        }
    }
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
    for (CPropertyPage* page : CreatedPages()) {
        if (GetPageIndex(page) >= 0)
            page->OnCancel();
    }
    EndDialog(IDCANCEL);
}

void CPropertySheet::OnWizardMove(bool forward) {
    CPropertyPage* current = GetActivePage();
    if (!current)
        return;
    const LRESULT answer = forward ? current->OnWizardNext() : current->OnWizardBack();
    if (answer == -1)
        return;
    int target = -1;
    if (answer == 0) {
        // The handler may have changed the pages after this one: the neighbour is found now.
        const int here = GetPageIndex(current);
        target = here < 0 ? -1 : here + (forward ? 1 : -1);
    } else {
        for (int i = 0; i < GetPageCount(); ++i) {
            if (m_pages[static_cast<size_t>(i)]->GetTemplateId() == static_cast<UINT>(answer))
                target = i;
        }
    }
    if (target >= 0 && target < GetPageCount())
        ActivatePage(target, true);
}

void CPropertySheet::OnWizardFinish() {
    CPropertyPage* current = GetActivePage();
    if (current && !current->OnWizardFinish())
        return;
    EndDialog(ID_WIZFINISH);
}
