#pragma once
// The preview tab of the editors: a form view holding only the HTML viewer, in which the
// document shows the output it has just generated. Links in the preview are not followed; the
// link under the mouse shows in the status bar's message pane.

#include "platform/ui/CFormView.h"
#include "platform/ui/HtmlViewer.h"
#include "res/Resource.h"
#include "shell/CPeltoVantrel.h"

class QZPreView : public CFormView, public HtmlViewerEvents {
    DECLARE_DYNCREATE(QZPreView)
public:
    QZPreView();
    ~QZPreView() override;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    // Shows a file or an address; an empty text keeps the page shown.
    void Navigate(LPCTSTR lpszText);
    void OnInitialUpdate() override;
    // The viewer (item 1001); no window when it could not be made.
    CPeltoVantrel& GetViewer() { return m_wndViewer; }

    // The viewer's events: every navigation the user starts is refused; status texts go to
    // the status bar's message pane.
    BOOL OnBeforeNavigate(const CString& address) override;
    void OnStatusText(const CString& text, BOOL bShow) override;

protected:
    void OnSize(UINT nType, int cx, int cy) override;

private:
    CPeltoVantrel m_wndViewer;
};
