#pragma once
// The HTML viewer the program shows pages in: a child window that opens an address (a URL or a
// native path) and tells its owner when a navigation is about to start and when it has a text
// for the status bar (the link under the mouse). Two kinds stand behind it: the desktop's web
// engine where it can be made, else a plain HTML window; tests and MARQUILL_SIMPLE_HTML_VIEWER=1
// choose the plain one. A page that cannot be loaded shows empty, without a message.

#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <functional>
#include <memory>

class wxWindow;

// What a viewer tells its owner.
class HtmlViewerEvents {
public:
    virtual ~HtmlViewerEvents() = default;
    // A navigation the user started (a link followed); TRUE refuses it.
    virtual BOOL OnBeforeNavigate(const CString& address) = 0;
    // A status text: shown (bShow) or taken away.
    virtual void OnStatusText(const CString& text, BOOL bShow) = 0;
};

class HtmlViewer {
public:
    virtual ~HtmlViewer() = default;

    // The window that shows the pages (owned by its parent window).
    virtual wxWindow* GetWindow() const = 0;
    // The address the viewer calls its own.
    virtual void SetLocation(const CString& location) = 0;
    // The text relative addresses are read against; empty: the opened page's own.
    virtual short SetBaseText(const CString& base) = 0;
    // Opens a URL or a native path; 0 when it was shown, else nonzero (the page is empty then).
    virtual short OpenAddress(const CString& address, short flags) = 0;
    // The address opened last, as the viewer took it.
    virtual CString GetAddress() const = 0;
    // The text of the shown page, as plain text (empty while none is shown).
    virtual CString GetPageText() const = 0;
    // Not owned; nullptr: nobody listens.
    void SetEvents(HtmlViewerEvents* events) { m_pEvents = events; }
    HtmlViewerEvents* GetEvents() const { return m_pEvents; }

    // A URL for an address: a native path becomes a file URL, a URL stays as it is.
    static CString ToUrl(const CString& address);

    // Makes a viewer as a child of `parent` with the control id and rectangle; nullptr when
    // no kind can be made.
    static std::unique_ptr<HtmlViewer> Create(wxWindow* parent, UINT nID, const RECT& rect);
    // Tests: the plain HTML window always (TRUE), or the web engine where it can be made.
    static void ForceSimpleViewer(BOOL bSimple);
    static BOOL IsSimpleViewerForced();
    // Tests: a maker that replaces both kinds (an empty function restores them).
    using Factory = std::function<std::unique_ptr<HtmlViewer>(wxWindow*, UINT, const RECT&)>;
    static void SetFactory(Factory factory);

private:
    HtmlViewerEvents* m_pEvents = nullptr;
};
