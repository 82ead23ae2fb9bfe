#include "shell/QZHelpViewer.h"

#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"

IMPLEMENT_DYNAMIC(QZHelpViewer, SECDialogBar)

namespace {

constexpr UINT kHelpIndexTopic = 1;
constexpr UINT kHelpIndexId = IDS_HELP_INDEX;
constexpr UINT kMainMenuTopic = 128;
constexpr UINT kFirstHelpIdTopic = 10000;
constexpr UINT kLastHelpIdTopic = 32000;
constexpr UINT kControlOffset = 15000;
constexpr UINT kCommandOffset = 22000;
constexpr const char* kIndexPage = "\\index.html";

// A page of the help table ("\Folder\Page.html") as a path below the Help folder.
CString PagePath(const CString& page) {
    CString path = page;
    path.Replace("\\", "/");
    if (path.Left(1) != "/")
        path = "/" + path;
    return path;
}

CString ProgramDirectory() {
    CVantrel3App* app = GetVantrel3App();
    return app ? app->m_strProgramDirectory : GetProgramDirectory();
}

BOOL HelpIsRemote() {
    CVantrel3App* app = GetVantrel3App();
    return app && app->m_bHelpRemote;
}

} // namespace

QZHelpViewer::QZHelpViewer() = default;

QZHelpViewer::~QZHelpViewer() {
    m_wndViewer.DestroyWindow();
    DestroyWindow();
}

BOOL QZHelpViewer::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle,
                          DWORD dwExStyle, UINT nID) {
    if (!SECDialogBar::Create(pParentWnd, lpszTemplateName, dwStyle, dwExStyle, nID))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    m_wndViewer.Create(nullptr, WS_CHILD | WS_VISIBLE, client, this, IDC_HTML_VIEWER);
    return TRUE;
}

UINT QZHelpViewer::HelpIdOfTopic(UINT nTopic) {
    if (nTopic == kHelpIndexTopic || nTopic == kMainMenuTopic)
        return kHelpIndexId;
    if (nTopic < kFirstHelpIdTopic)
        return nTopic + kControlOffset;
    if (nTopic > kLastHelpIdTopic)
        return nTopic - kCommandOffset;
    CString message;
    message.Format("Where did this ID come from?  %d", static_cast<int>(nTopic));
    AfxMessageBox(message);
    return nTopic;
}

CString QZHelpViewer::PageOfHelpId(UINT nHelpId) {
    CString page;
    if (!page.LoadString(nHelpId) || page.IsEmpty())
        page = kIndexPage;
    return page;
}

CString QZHelpViewer::LocalAddress(const CString& page) {
    return HtmlViewer::ToUrl(ProgramDirectory() + "/Help" + PagePath(page));
}

CString QZHelpViewer::RemoteAddress(const CString& page) {
    return CString(kMakerSite) + "/Help" + PagePath(page);
}

CString QZHelpViewer::AddressOfTopic(UINT nTopic) {
    const UINT helpId = HelpIdOfTopic(nTopic);
    // The update check is an address on the maker's server, not a page.
    if (helpId == IDS_HELP_CHECK_UPDATES)
        return PageOfHelpId(helpId);
    const CString page = PageOfHelpId(helpId);
    return HelpIsRemote() ? RemoteAddress(page) : LocalAddress(page);
}

void QZHelpViewer::ShowTopic(UINT nTopic) {
    const CString address = AddressOfTopic(nTopic);
    if (!m_wndViewer.GetSafeHwnd() || address.IsEmpty())
        return;
    m_wndViewer.SetBaseText("");
    m_wndViewer.OpenAddress(address, 0);
}

void QZHelpViewer::ShowStartPage() {
    if (!m_wndViewer.GetSafeHwnd())
        return;
    const CString address = LocalAddress(PageOfHelpId(IDS_HELP_TUTORIAL));
    m_wndViewer.SetLocation(address);
    m_wndViewer.OpenAddress(address, 0);
}

void QZHelpViewer::OnSize(UINT nType, int cx, int cy) {
    SECDialogBar::OnSize(nType, cx, cy);
    if (m_wndViewer.GetSafeHwnd()) {
        CRect client;
        GetClientRect(&client);
        m_wndViewer.MoveWindow(&client);
        m_wndViewer.Invalidate();
    }
}
