#pragma once
// The docking bar "Help Viewer": a dialog bar holding the HTML viewer, in which every help
// request of the program ends. A topic id becomes a help id, the help id's string is the page
// (a path under the Help folder), and the page opens from the program's Help folder or, while
// help is read remotely, from the maker's help site.

#include "res/Resource.h"
#include "shell/CPeltoVantrel.h"
#include "wintoolkit/toolbar/SECDialogBar.h"

class QZHelpViewer : public SECDialogBar {
    DECLARE_DYNAMIC(QZHelpViewer)
public:
    QZHelpViewer();
    ~QZHelpViewer() override;

    using SECDialogBar::Create;
    // The bar of dialog 215 and its viewer (item 1001, none when it cannot be made).
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle,
                UINT nID) override;

    // Shows the page of a topic.
    void ShowTopic(UINT nTopic);
    // Shows the start page (always from the Help folder).
    void ShowStartPage();
    CPeltoVantrel& GetViewer() { return m_wndViewer; }

    // The help id of a topic; a topic between 10000 and 32000 is reported first.
    static UINT HelpIdOfTopic(UINT nTopic);
    // The page of a help id: its string, or "\index.html" when it has none.
    static CString PageOfHelpId(UINT nHelpId);
    // The address of a page in the Help folder under the program directory, and on the
    // maker's help site.
    static CString LocalAddress(const CString& page);
    static CString RemoteAddress(const CString& page);
    // The address ShowTopic opens for a topic (after HelpIdOfTopic's report).
    static CString AddressOfTopic(UINT nTopic);

protected:
    void OnSize(UINT nType, int cx, int cy) override;

private:
    CPeltoVantrel m_wndViewer;
};
