#include "platform/ui/WxHtmlViewer.h"

#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/log.h>
#include <wx/webview.h>

#include <dlfcn.h>

namespace {

// The engine shows an error page of its own when a load fails; a handler of the engine's
// "load-failed" signal that answers TRUE keeps it away, so that the empty page stays. The
// signal call is found at run time: the toolkit's headers stay out of the build.
int RefuseErrorPage(void*, int, const char*, void*, void*) {
    return 1;
}

void KeepEngineErrorPagesAway(wxWebView* view) {
    using Connect = unsigned long (*)(void*, const char*, void*, void*, void*, int);
    const auto connect = reinterpret_cast<Connect>(dlsym(RTLD_DEFAULT, "g_signal_connect_data"));
    if (connect && view->GetNativeBackend())
        connect(view->GetNativeBackend(), "load-failed", reinterpret_cast<void*>(&RefuseErrorPage),
                nullptr, nullptr, 0);
}

// The desktop's web engine. The program's own loads pass; a navigation the user starts asks
// the owner first. The engine gives no text for the link under the mouse.
class WebViewViewer : public HtmlViewer {
public:
    explicit WebViewViewer(wxWebView* view) : m_view(view) {
        m_view->Bind(wxEVT_WEBVIEW_NAVIGATING, &WebViewViewer::OnNavigating, this);
        m_view->Bind(wxEVT_WEBVIEW_ERROR, [this](wxWebViewEvent&) { ShowEmpty(); });
        KeepEngineErrorPagesAway(m_view);
    }

    wxWindow* GetWindow() const override { return m_view; }
    void SetLocation(const CString& location) override { m_location = location; }
    short SetBaseText(const CString& base) override {
        m_base = base;
        return 0;
    }
    short OpenAddress(const CString& address, short) override {
        m_address = ToUrl(address);
        m_pending = ToWx(m_address);
        m_view->LoadURL(m_pending);
        return 0;
    }
    CString GetAddress() const override { return m_address; }
    CString GetPageText() const override { return FromWx(m_view->GetPageText()); }

private:
    void OnNavigating(wxWebViewEvent& event) {
        // The program's own loads (and the empty page the engine starts with) pass.
        const wxString url = event.GetURL();
        if (url == m_pending) {
            m_pending.clear();
            return;
        }
        if (url == wxWebViewDefaultURLStr)
            return;
        // Frames inside the page load as part of it.
        if (!event.GetTarget().empty())
            return;
        HtmlViewerEvents* events = GetEvents();
        if (events && events->OnBeforeNavigate(FromWx(event.GetURL())))
            event.Veto();
    }
    // The empty page is the program's own load too.
    void ShowEmpty() {
        m_pending = wxWebViewDefaultURLStr;
        m_view->SetPage(wxString(), wxString());
    }

    wxWebView* m_view;
    wxString m_pending;
    CString m_location;
    CString m_base;
    CString m_address;
};

} // namespace

std::unique_ptr<HtmlViewer> MakeWebViewViewer(wxWindow* parent, UINT nID, const RECT& rect) {
    if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault))
        return nullptr;
    wxLogNull quiet;
    wxWebView* view =
        wxWebView::New(parent, WxIdOf(nID), wxWebViewDefaultURLStr, wxPoint(rect.left, rect.top),
                       wxSize(rect.right - rect.left, rect.bottom - rect.top));
    if (!view)
        return nullptr;
    WindowInfo& info = EnsureInfo(view);
    info.controlId = nID;
    info.kind = WindowKind::native;
    return std::make_unique<WebViewViewer>(view);
}
