// The preview pane on a real display, with the plain HTML viewer: a generated page shown, an
// empty text keeping it, link clicks refused, the link under the mouse in the message pane, and
// pages that fail showing empty without a message.

#include "platform/ui/CFrameWnd.h"
#include "platform/ui/HtmlViewer.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resources.h"
#include "shell/QZPreView.h"
#include "tests/shell/ShellUiSupport.h"

#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/uiaction.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

// Counts what the library would log (a log window in the program).
class CountingLog : public wxLog {
public:
    CountingLog() : m_previous(wxLog::SetActiveTarget(this)) {}
    ~CountingLog() override { wxLog::SetActiveTarget(m_previous); }
    int count = 0;

protected:
    void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override { ++count; }

private:
    wxLog* m_previous;
};

// The first link of a page, in the HTML window's client coordinates.
bool FindLink(const wxHtmlCell* cell, wxPoint& where) {
    for (; cell; cell = cell->GetNext()) {
        if (!cell->GetFirstChild() && cell->GetLink()) {
            where = cell->GetAbsPos() + wxPoint(cell->GetWidth() / 2, cell->GetHeight() / 2);
            return true;
        }
        if (FindLink(cell->GetFirstChild(), where))
            return true;
    }
    return false;
}

void Click(wxWindow* window, const wxPoint& where) {
    for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetPosition(where);
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class QZPreViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        HtmlViewer::ForceSimpleViewer(TRUE);
        WriteFile(page, "<html><body><p><a href=\"next.html\">Next page</a></p>"
                        "<p>Generated fixture page</p></body></html>");
        WriteFile(folder.file("next.html"), "<html><body><p>The next page</p></body></html>");
        ASSERT_TRUE(frame.Create(nullptr, "Preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(40, 40, 640, 440)));
        view = new QZPreView;
        ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100),
                                 &frame, AFX_IDW_PANE_FIRST));
        frame.RecalcLayout();
        SettleWindows();
    }
    void TearDown() override {
        frame.DestroyWindow();
        delete view;
        SettleWindows();
        HtmlViewer::ForceSimpleViewer(FALSE);
    }

    wxHtmlWindow* Html() { return dynamic_cast<wxHtmlWindow*>(view->GetViewer().GetSafeHwnd()); }
    std::string PageText() {
        return std::string(static_cast<LPCTSTR>(view->GetViewer().GetViewer()->GetPageText()));
    }

    TempDir folder;
    std::string page = folder.file("preview.html");
    CFrameWnd frame;
    QZPreView* view = nullptr;
};

TEST_F(QZPreViewTest, TheViewerFillsTheViewAndShowsTheGeneratedPage) {
    ASSERT_NE(Html(), nullptr) << "the plain HTML window stands behind the viewer";
    EXPECT_EQ(view->GetViewer().GetDlgCtrlID(), 1001);
    CRect client;
    view->GetClientRect(&client);
    CRect viewer;
    view->GetViewer().GetWindowRect(&viewer);
    EXPECT_EQ(viewer.Size(), client.Size());

    view->Navigate(page.c_str());
    EXPECT_NE(PageText().find("Generated fixture page"), std::string::npos) << PageText();
    view->Navigate("");
    EXPECT_NE(PageText().find("Generated fixture page"), std::string::npos)
        << "an empty text keeps the page";
}

TEST_F(QZPreViewTest, ALinkClickInThePreviewIsRefusedWhereTheViewerItselfWouldFollowIt) {
    view->Navigate(page.c_str());
    wxPoint link;
    ASSERT_TRUE(FindLink(Html()->GetInternalRepresentation(), link));
    Click(Html(), link);
    SettleWindows();
    EXPECT_NE(PageText().find("Generated fixture page"), std::string::npos) << PageText();

    // The same click on a viewer nobody refuses follows the link: the click did reach it.
    view->GetViewer().SetEventSink(nullptr);
    Click(Html(), link);
    SettleWindows();
    EXPECT_NE(PageText().find("The next page"), std::string::npos) << PageText();
}

TEST_F(QZPreViewTest, TheLinkUnderTheMouseGoesToTheMessagePaneAndIsClearedOnLeaving) {
    RecordingFrameServices services;
    view->Navigate(page.c_str());
    SettleWindows();
    wxPoint link;
    ASSERT_TRUE(FindLink(Html()->GetInternalRepresentation(), link));
    // The pointer moves as the user's would (a warp alone gives no motion to a new window).
    wxUIActionSimulator pointer;
    pointer.MouseMove(Html()->ClientToScreen(link));
    ASSERT_TRUE(PumpUntil([&] { return !services.paneTexts.empty(); }));
    EXPECT_EQ(services.paneTexts.back(), std::make_pair(0, std::string("next.html")));

    // Outside the viewer: the frame's own area beside the view is enough to leave it.
    const wxSize size = Html()->GetClientSize();
    pointer.MouseMove(Html()->ClientToScreen(wxPoint(size.x + 30, size.y + 30)));
    ASSERT_TRUE(PumpUntil([&] { return services.paneTexts.back().second.empty(); }));
    EXPECT_EQ(services.paneTexts.back(), std::make_pair(0, std::string()));
}

TEST_F(QZPreViewTest, APageThatFailsShowsEmptyWithoutAMessage) {
    view->Navigate(page.c_str());
    CountingLog log;
    EXPECT_NE(view->GetViewer().OpenAddress(folder.file("missing.html").c_str(), 0), 0);
    SettleWindows();
    EXPECT_EQ(PageText(), "");
    EXPECT_EQ(log.count, 0);
}

TEST(HtmlViewerTest, TheEnvironmentOrTheSwitchChoosesThePlainViewer) {
    HtmlViewer::ForceSimpleViewer(FALSE);
    unsetenv("MARQUILL_SIMPLE_HTML_VIEWER");
    EXPECT_FALSE(HtmlViewer::IsSimpleViewerForced());
    setenv("MARQUILL_SIMPLE_HTML_VIEWER", "1", 1);
    EXPECT_TRUE(HtmlViewer::IsSimpleViewerForced());
    CFrameWnd frame;
    ASSERT_TRUE(
        frame.Create(nullptr, "Viewer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    auto viewer = HtmlViewer::Create(frame.GetSafeHwnd(), 1001, CRect(0, 0, 100, 100));
    ASSERT_NE(viewer, nullptr);
    EXPECT_NE(dynamic_cast<wxHtmlWindow*>(viewer->GetWindow()), nullptr);
    unsetenv("MARQUILL_SIMPLE_HTML_VIEWER");
    HtmlViewer::ForceSimpleViewer(TRUE);
    EXPECT_TRUE(HtmlViewer::IsSimpleViewerForced());
    HtmlViewer::ForceSimpleViewer(FALSE);
    frame.DestroyWindow();
    SettleWindows();
}

TEST(HtmlViewerTest, NativePathsBecomeFileUrlsAndUrlsStay) {
    EXPECT_EQ(HtmlViewer::ToUrl("/home/user/Marquill/Help/index.html"),
              CString("file:///home/user/Marquill/Help/index.html"));
    EXPECT_EQ(HtmlViewer::ToUrl("/tmp/a b/page.html"), CString("file:///tmp/a%20b/page.html"));
    EXPECT_EQ(HtmlViewer::ToUrl("http://www.zerin.example/Help/index.html"),
              CString("http://www.zerin.example/Help/index.html"));
    EXPECT_EQ(HtmlViewer::ToUrl("file:///tmp/x.html"), CString("file:///tmp/x.html"));
}

} // namespace
