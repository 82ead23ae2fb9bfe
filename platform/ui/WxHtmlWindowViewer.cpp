#include "platform/ui/WxHtmlViewer.h"

#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/html/htmlwin.h>
#include <wx/log.h>

namespace {

class HtmlWindowViewer;

// The HTML window: links followed by the user ask the owner first; the link under the mouse
// is the status text.
class WxHtmlPane : public wxHtmlWindow {
public:
    WxHtmlPane(HtmlWindowViewer& owner, wxWindow* parent, wxWindowID id, const wxPoint& pos,
               const wxSize& size)
        : wxHtmlWindow(parent, id, pos, size, wxHW_SCROLLBAR_AUTO), m_owner(owner) {
        Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
            ShowStatus(CString());
            event.Skip();
        });
    }

    // Loads without the library's error messages; false when nothing could be loaded.
    bool LoadQuietly(const wxString& url) {
        wxLogNull quiet;
        return LoadPage(url);
    }

    // The window's own status text: the link under the mouse, empty off links.
    void SetHTMLStatusText(const wxString& text) override { ShowStatus(FromWx(text)); }

protected:
    void OnLinkClicked(const wxHtmlLinkInfo& link) override;

private:
    void ShowStatus(const CString& text);

    HtmlWindowViewer& m_owner;
    CString m_status;
};

class HtmlWindowViewer : public HtmlViewer {
public:
    HtmlWindowViewer(wxWindow* parent, UINT nID, const RECT& rect)
        : m_pane(new WxHtmlPane(*this, parent, WxIdOf(nID), wxPoint(rect.left, rect.top),
                                wxSize(rect.right - rect.left, rect.bottom - rect.top))) {
        WindowInfo& info = EnsureInfo(m_pane);
        info.controlId = nID;
        info.kind = WindowKind::native;
    }

    wxWindow* GetWindow() const override { return m_pane; }
    void SetLocation(const CString& location) override { m_location = location; }
    short SetBaseText(const CString& base) override {
        m_base = base;
        return 0;
    }
    short OpenAddress(const CString& address, short) override {
        m_address = ToUrl(address);
        if (m_pane->LoadQuietly(ToWx(m_address)))
            return 0;
        m_pane->SetPage(wxString());
        return 1;
    }
    CString GetAddress() const override { return m_address; }
    CString GetPageText() const override { return FromWx(m_pane->ToText()); }

private:
    WxHtmlPane* m_pane;
    CString m_location;
    CString m_base;
    CString m_address;
};

void WxHtmlPane::OnLinkClicked(const wxHtmlLinkInfo& link) {
    HtmlViewerEvents* events = m_owner.GetEvents();
    if (events && events->OnBeforeNavigate(FromWx(link.GetHref())))
        return;
    wxLogNull quiet;
    wxHtmlWindow::OnLinkClicked(link);
}

void WxHtmlPane::ShowStatus(const CString& text) {
    if (text == m_status)
        return;
    m_status = text;
    if (HtmlViewerEvents* events = m_owner.GetEvents())
        events->OnStatusText(text, !text.IsEmpty());
}

} // namespace

std::unique_ptr<HtmlViewer> MakeHtmlWindowViewer(wxWindow* parent, UINT nID, const RECT& rect) {
    return std::make_unique<HtmlWindowViewer>(parent, nID, rect);
}
