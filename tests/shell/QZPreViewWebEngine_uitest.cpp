// The preview on the desktop's web engine, where it can be made (the program's choice; the
// other tests use the plain viewer): the generated page loads, a link click is refused, and a
// page that fails shows empty.

#include "platform/ui/BarStyles.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/HtmlViewer.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resources.h"
#include "shell/QZPreView.h"
#include "tests/shell/ShellUiSupport.h"

#include <wx/webview.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::string Script(wxWebView* web, const char* script) {
    wxString result;
    web->RunScript(script, &result);
    return result.utf8_string();
}

TEST(QZPreViewWebEngineTest, ThePageLoadsALinkClickIsRefusedAndAFailedPageIsEmpty) {
    RegisterResources();
    TempDir folder;
    std::ofstream(folder.file("page.html"))
        << "<html><body><a id='next' href='next.html'>Next</a><p>Engine page</p></body></html>";
    std::ofstream(folder.file("next.html")) << "<html><body><p>The next page</p></body></html>";
    CFrameWnd frame;
    ASSERT_TRUE(
        frame.Create(nullptr, "Preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
    auto* view = new QZPreView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame,
                             AFX_IDW_PANE_FIRST));
    auto* web = dynamic_cast<wxWebView*>(view->GetViewer().GetSafeHwnd());
    if (!web) {
        frame.DestroyWindow();
        delete view;
        GTEST_SKIP() << "the web engine cannot be made here";
    }
    std::string loaded;
    bool failed = false;
    web->Bind(wxEVT_WEBVIEW_LOADED, [&](wxWebViewEvent& event) {
        loaded = event.GetURL().utf8_string();
        event.Skip();
    });
    web->Bind(wxEVT_WEBVIEW_ERROR, [&](wxWebViewEvent& event) {
        failed = true;
        event.Skip();
    });

    const std::string page(HtmlViewer::ToUrl(folder.file("page.html").c_str()));
    view->Navigate(folder.file("page.html").c_str());
    ASSERT_TRUE(PumpUntil([&] { return loaded == page; }, 15000));
    EXPECT_EQ(Script(web, "document.body.innerText"), "Next\nEngine page");

    Script(web, "document.getElementById('next').click()");
    PumpFor(1000);
    EXPECT_EQ(web->GetCurrentURL().utf8_string(), page);
    EXPECT_EQ(Script(web, "document.body.innerText"), "Next\nEngine page");

    view->Navigate(folder.file("missing.html").c_str());
    ASSERT_TRUE(PumpUntil([&] { return failed; }, 15000));
    // The empty page replaces the failed one once its own load has ended.
    EXPECT_TRUE(PumpUntil(
        [&] {
            PumpFor(200);
            return Script(web, "document.body ? document.body.innerText : ''").empty();
        },
        10000));

    frame.DestroyWindow();
    delete view;
    SettleWindows();
}

} // namespace
