#include "editors/QZChildFrame.h"

#include "editors/CVantrel3View.h"
#include "editors/QZEditorTabs.h"
#include "editors/QZHeaderView.h"
#include "editors/QZPlaceholderView.h"
#include "editors/QZScriptView.h"
#include "editors/QZScriptsView.h"
#include "editors/QZVantrel3TemplateView.h"
#include "editors/QZVantrelFormView.h"
#include "platform/core/CRuntimeClass.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/WindowStyles.h"

#include <cstring>

IMPLEMENT_DYNAMIC(QZChildFrame, SECWorksheet)

namespace {

// Child, visible, maximised, caption, system menu, sizing border, minimise and maximise
// boxes, and the document title in the caption.
constexpr DWORD kEditorFrameStyle = 0x51CF8000;
// The toolkit's tab-window style with the previous and next buttons.
constexpr DWORD kTabStyle = 1;

// The views made by class name alone: naming them here keeps them in the program.
CRuntimeClass* const kTextViews[] = {
    RUNTIME_CLASS(CVantrel3View),          RUNTIME_CLASS(QZHeaderView),
    RUNTIME_CLASS(QZVantrel3TemplateView), RUNTIME_CLASS(QZScriptsView),
    RUNTIME_CLASS(QZVantrelFormView),      RUNTIME_CLASS(QZScriptView)};

// The class a tab's view is made of: the named one when it is built, else the stand-in.
CRuntimeClass* ViewClassOf(const QZEditorTab& tab) {
    for (CRuntimeClass* view : kTextViews) {
        if (std::strcmp(view->m_lpszClassName, tab.viewClass) == 0)
            return view;
    }
    CRuntimeClass* named = CRuntimeClass::FromName(tab.viewClass);
    if (named && named->m_pfnCreateObject && named->IsDerivedFrom(RUNTIME_CLASS(CWnd)))
        return named;
    return RUNTIME_CLASS(QZPlaceholderView);
}

} // namespace

QZChildFrame::QZChildFrame(const char* frameClass) : m_pTabs(QZEditorTabsOf(frameClass)) {}

QZChildFrame::~QZChildFrame() {
    for (CWnd* view : m_views)
        delete view;
}

BOOL QZChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style = static_cast<LONG>(kEditorFrameStyle);
    return SECWorksheet::PreCreateWindow(cs);
}

BOOL QZChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    const BOOL created =
        m_wndTab.Create(this, WS_VISIBLE | WS_CHILD | kTabStyle, AFX_IDW_PANE_FIRST);
    if (!created)
        return created;
    // The tab window takes the client area before its views are placed in it.
    RecalcLayout();
    AddTabs(pContext);
    m_wndTab.ActivateTabByIndex(0);
    m_wndTab.ScrollToTab(0);
    // The views are made visible; all but the active one wait hidden behind their tabs.
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* active = nullptr;
    DWORD extra = 0;
    m_wndTab.GetTabInfo(0, label, selected, active, extra);
    for (CWnd* view : m_views) {
        if (view != active && view->GetSafeHwnd())
            view->ShowWindow(SW_HIDE);
    }
    return created;
}

void QZChildFrame::AddTabs(CCreateContext* pContext) {
    if (!m_pTabs)
        return;
    for (const QZEditorTab& tab : m_pTabs->tabs) {
        const CString caption = tab.Caption();
        // A view that cannot be made is left out; the next tab follows.
        if (!m_wndTab.AddTab(ViewClassOf(tab), caption, pContext, UINT(-1)))
            continue;
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* view = nullptr;
        DWORD extra = 0;
        m_wndTab.GetTabInfo(m_wndTab.GetTabCount() - 1, label, selected, view, extra);
        if (auto* standIn = dynamic_cast<QZPlaceholderView*>(view))
            standIn->StandIn(tab.viewClass, caption);
        if (view)
            m_views.push_back(view);
    }
}
