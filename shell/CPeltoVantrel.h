#pragma once
// The window of the HTML viewer that the preview and the help viewer hold (their item 1001):
// it opens pages and addresses and passes the viewer's events to the window that holds it.

#include "platform/ui/CWnd.h"
#include "platform/ui/HtmlViewer.h"
#include "res/Resource.h"

#include <memory>

class CPeltoVantrel : public CWnd {
    DECLARE_DYNAMIC(CPeltoVantrel)
public:
    CPeltoVantrel();
    ~CPeltoVantrel() override;

    using CWnd::Create;
    // Makes the viewer as a child of the parent; FALSE when no viewer can be made.
    virtual BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);
    BOOL DestroyWindow() override;

    void SetLocation(LPCTSTR lpszLocation);
    short SetBaseText(LPCTSTR lpszBase);
    // A URL or a native path; 0 when it was shown.
    short OpenAddress(LPCTSTR lpszAddress, short nFlags);

    // Where the viewer's events go (not owned; nullptr: the viewer's own handling).
    void SetEventSink(HtmlViewerEvents* sink);
    // The viewer behind the window, or nullptr while there is no window.
    HtmlViewer* GetViewer() const;

private:
    std::unique_ptr<HtmlViewer> m_pViewer;
};
