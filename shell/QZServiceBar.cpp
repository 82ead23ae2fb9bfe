#include "shell/QZServiceBar.h"

#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZServiceComboBox.h"
#include "shell/QZShellTreeActions.h"

#include <algorithm>

namespace {

constexpr COLORREF kTabMask = RGB(0xC0, 0xC0, 0xC0);
constexpr int kIconSize = 16;
constexpr int kComboLeft = 40;
constexpr int kComboTop = 10;
constexpr int kComboHeight = 26;
constexpr int kCaptionHeight = 18;
constexpr int kMargin = 5;

// A tab: its image, its tree's place among the bar's members, the caption's string (the
// tree's id) and the text it is given but does not show.
struct TabEntry {
    int image;
    int member;
    UINT caption;
    const char* text;
};

const TabEntry kTabs[QZServiceBar::kTabCount] = {
    {4, 1, IDC_SV_PAGES, "Pages\nPages!!!"},
    {6, 0, IDC_SV_MACROS, "\nMacros"},
    {8, 2, IDC_SV_IMAGES, "Images\nImages"},
    {20, 3, IDC_SV_FORMS, "Forms\nForms"},
    {12, 4, IDC_SV_MESSAGES, "Messages\nMessages"},
    {39, 5, IDC_SV_QUERIES, "Queries\nQueries"},
    {24, 6, IDC_SV_STYLES, "Style Sheets\nStyle Sheets"},
    {44, 7, IDC_SV_MEDIA, "Multimedia\nMultimedia"},
    {42, 8, IDC_SV_EVENTS, "Event\nEvent"},
    {46, 9, IDC_SV_ADVERTISING, "Advertiser\nAdvertiser"},
};

// The trees' ids in member order.
const UINT kTreeIds[QZServiceBar::kTabCount] = {
    IDC_SV_MACROS,  IDC_SV_PAGES,  IDC_SV_IMAGES, IDC_SV_FORMS,  IDC_SV_MESSAGES,
    IDC_SV_QUERIES, IDC_SV_STYLES, IDC_SV_MEDIA,  IDC_SV_EVENTS, IDC_SV_ADVERTISING,
};

// The caption shows the first line of the tab's string.
CString CaptionOf(UINT id) {
    CString text;
    text.LoadString(id);
    const int end = text.Find('\n');
    return end < 0 ? text : text.Left(end);
}

QZTreeActions* ActionsOr(QZTreeActions* given, std::unique_ptr<QZTreeActions>& own) {
    if (given != nullptr)
        return given;
    own = std::make_unique<QZShellTreeActions>();
    return own.get();
}

} // namespace

QZServiceBar::QZServiceBar(QZTreeActions* actions)
    : m_model(ActionsOr(actions, m_pOwnActions)), m_wndMacros(m_model.m_Macros),
      m_wndPages(m_model.m_Pages), m_wndImages(m_model.m_Images), m_wndForms(m_model.m_Forms),
      m_wndMessages(m_model.m_Messages), m_wndQueries(m_model.m_Queries),
      m_wndStyles(m_model.m_Styles), m_wndMultiMedia(m_model.m_MultiMedia),
      m_wndEvents(m_model.m_Events), m_wndAdvertising(m_model.m_Advertising) {}

QZServiceBar::~QZServiceBar() {
    for (QZTreeCtrl* tree : Trees())
        tree->DestroyWindow();
    m_wndTabs.DestroyWindow();
    m_wndCaption.Detach();
    if (m_pSites)
        m_pSites->Detach();
}

std::array<QZTreeCtrl*, QZServiceBar::kTabCount> QZServiceBar::Trees() {
    return {&m_wndMacros,  &m_wndPages,  &m_wndImages,     &m_wndForms,  &m_wndMessages,
            &m_wndQueries, &m_wndStyles, &m_wndMultiMedia, &m_wndEvents, &m_wndAdvertising};
}

QZTreeCtrl& QZServiceBar::GetTabTree(int nTab) {
    return *Trees()[kTabs[nTab].member];
}

BOOL QZServiceBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle,
                          DWORD dwExStyle, UINT nID) {
    if (!SECDialogBar::Create(pParentWnd, lpszTemplateName, dwStyle, dwExStyle, nID))
        return FALSE;
    const CRect none(0, 0, 10, 10);
    if (!m_wndTabs.Create(WS_CHILD | WS_VISIBLE, none, this, IDC_SV_TABS))
        return FALSE;
    m_wndTabs.SetImages(IDB_OBJECT_ICONS, kIconSize, kTabMask);
    const auto trees = Trees();
    for (size_t n = 0; n < trees.size(); ++n) {
        if (!trees[n]->Create(WS_CHILD, none, this, kTreeIds[n]))
            return FALSE;
    }
    return TRUE;
}

void QZServiceBar::Initialize() {
    m_wndCaption.SubclassDlgItem(IDC_SV_CAPTION, this);
    if (CFont* font = m_wndCaption.GetSafeHwnd() ? m_wndCaption.GetFont() : nullptr) {
        LOGFONT description{};
        font->GetLogFont(&description);
        description.lfWeight = 700;
        if (m_captionFont.CreateFontIndirect(&description))
            m_wndCaption.SetFont(&m_captionFont);
    }
    for (int n = 0; n < kTabCount; ++n)
        m_wndTabs.InsertItem(n, kTabs[n].text, kTabs[n].image);
    m_wndTabs.SetCurSel(0);
    OnTabSelChange();
    CRect client;
    GetClientRect(&client);
    Layout(client.Width(), client.Height());
    ReloadSites();
}

bool QZServiceBar::HasSiteDatabase() {
    const CVantrel3App* app = GetVantrel3App();
    return app != nullptr && app->m_VantrelDb.IsOpen();
}

void QZServiceBar::ReloadSites() {
    // Before a site database is open there are no sites to show.
    if (!HasSiteDatabase())
        return;
    CVantrel3App* app = GetVantrel3App();
    if (!m_pSites) {
        m_pSites = std::make_unique<QZServiceComboBox>();
        m_pSites->SubclassDlgItem(IDC_SV_SITES, this);
        CRect client;
        GetClientRect(&client);
        Layout(client.Width(), client.Height());
    }
    if (!m_pSites->GetSafeHwnd())
        return;
    m_pSites->ResetContent();
    m_pSites->Fill(app->GetCurrentServiceKey());
    if (m_pSites->GetCount() > 0) {
        app->GetCurrentServiceKey() = m_pSites->GetSelectedKey();
        app->GetCurrentSectionKey() = QZTreeModel::EmptyKey();
    }
    SelectService(app->GetCurrentServiceKey());
}

void QZServiceBar::SelectService(const QZKeyCombo& site) {
    if (!HasSiteDatabase())
        return;
    m_model.SetCurrentSiteKey(site);
    if (m_pSites && m_pSites->GetSafeHwnd()) {
        m_pSites->SetCurSel(m_pSites->GetItems().FindKey(site));
        const QZKeyCombo& listed = m_pSites->GetSelectedKey();
        CVantrel3App* app = GetVantrel3App();
        if (!(listed == site) && app != nullptr) {
            m_model.SetCurrentSiteKey(listed);
            app->GetCurrentServiceKey() = listed;
            app->GetCurrentSectionKey() = QZTreeModel::EmptyKey();
        }
    }
    LoadAllTrees(m_model.GetCurrentSiteKey());
}

void QZServiceBar::LoadAllTrees(const QZKeyCombo& site) {
    m_model.LoadAllTrees(site);
}

void QZServiceBar::RefreshObjectTree(SHORT type, const QZKeyCombo& key) {
    if (!HasSiteDatabase())
        return;
    m_model.RefreshObjectTree(type, key);
}

BOOL QZServiceBar::OpenSelectedObject() {
    CWnd* focus = CWnd::GetFocus();
    for (QZTreeCtrl* tree : Trees()) {
        if (focus != tree || tree->GetModel().GetSelectedItem() == nullptr)
            continue;
        tree->GetModel().OpenSelected();
        return TRUE;
    }
    return FALSE;
}

void QZServiceBar::SelectTab(int nTab) {
    m_wndTabs.ClickTab(nTab);
}

CString QZServiceBar::GetCaption() const {
    CString text;
    if (m_wndCaption.GetSafeHwnd())
        m_wndCaption.GetWindowText(text);
    return text;
}

BOOL QZServiceBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_SV_TABS && HIWORD(wParam) == TCN_SELCHANGE) {
        OnTabSelChange();
        return TRUE;
    }
    if (LOWORD(wParam) == IDC_SV_SITES && HIWORD(wParam) == CBN_SELCHANGE) {
        OnSiteSelChange();
        return TRUE;
    }
    return SECDialogBar::OnCommand(wParam, lParam);
}

void QZServiceBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    SECDialogBar::OnUpdateCmdUI(pTarget, FALSE);
}

void QZServiceBar::OnTabSelChange() {
    const int tab = m_wndTabs.GetCurSel();
    for (QZTreeCtrl* tree : Trees())
        tree->ShowWindow(SW_HIDE);
    if (tab < 0)
        return;
    GetTabTree(tab).ShowWindow(SW_SHOW);
    if (m_wndCaption.GetSafeHwnd())
        m_wndCaption.SetWindowText(CaptionOf(kTabs[tab].caption));
    Invalidate();
}

void QZServiceBar::OnSiteSelChange() {
    CVantrel3App* app = GetVantrel3App();
    if (!m_pSites || app == nullptr)
        return;
    m_model.m_Pages.Actions().BeginWaitCursor();
    const QZKeyCombo selected = m_pSites->GetSelectedKey();
    if (!(selected == m_model.GetCurrentSiteKey())) {
        app->GetCurrentServiceKey() = selected;
        app->GetCurrentSectionKey() = QZTreeModel::EmptyKey();
        LoadAllTrees(selected);
    }
    m_model.m_Pages.Actions().EndWaitCursor();
}

void QZServiceBar::OnSize(UINT nType, int cx, int cy) {
    SECDialogBar::OnSize(nType, cx, cy);
    CRect client;
    GetClientRect(&client);
    Layout(client.Width(), client.Height());
}

void QZServiceBar::Layout(int cx, int cy) {
    if (m_pSites && m_pSites->GetSafeHwnd())
        m_pSites->MoveWindow(kComboLeft, kComboTop, std::max(cx - 50, 10), kComboHeight);
    const int tabsTop = kComboTop + kComboHeight + 4;
    if (m_wndTabs.GetSafeHwnd())
        m_wndTabs.MoveWindow(kMargin, tabsTop, std::max(cx - 2 * kMargin, 10),
                             m_wndTabs.GetRowHeight());
    const int captionTop = tabsTop + m_wndTabs.GetRowHeight() + 4;
    if (m_wndCaption.GetSafeHwnd())
        m_wndCaption.MoveWindow(kMargin, captionTop, std::max(cx - 2 * kMargin, 10),
                                kCaptionHeight);
    const int treesTop = captionTop + kCaptionHeight + 2;
    for (QZTreeCtrl* tree : Trees()) {
        if (tree->GetSafeHwnd())
            tree->MoveWindow(kMargin, treesTop, std::max(cx - 2 * kMargin, 10),
                             std::max(cy - treesTop - kMargin, 10));
    }
}
