// The help viewer on a real display: the address of every kind of topic (through a viewer that
// records what it is asked), the start page, the application's help entry with HELP_FINDER, the
// help menu and F1 on a focused control, and one real help page loaded.

#include "platform/ui/BarStyles.h"
#include "platform/ui/CButton.h"
#include "platform/ui/HtmlViewer.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "shell/QZHelpViewer.h"
#include "tests/shell/ShellUiSupport.h"
#include "wintoolkit/frame/SECFrameWnd.h"

#include <wx/panel.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kProgramDir = "/opt/marquill";
constexpr const char* kUpdate = "http://www.zerin.example/CGI-BIN/MQ30i.exe?docid=3000:436";

// A viewer that only records what it is asked.
class RecordingViewer : public HtmlViewer {
public:
    RecordingViewer(wxWindow* parent, std::vector<std::string>& calls)
        : m_window(new wxPanel(parent)), m_calls(calls) {}
    wxWindow* GetWindow() const override { return m_window; }
    void SetLocation(const CString& location) override {
        m_calls.push_back("SetLocation " + std::string(location));
    }
    short SetBaseText(const CString& base) override {
        m_calls.push_back("SetBaseText " + std::string(base));
        return 0;
    }
    short OpenAddress(const CString& address, short flags) override {
        m_calls.push_back("OpenAddress " + std::string(address) + " " + std::to_string(flags));
        return 0;
    }
    CString GetAddress() const override { return CString(); }
    CString GetPageText() const override { return CString(); }

private:
    wxWindow* m_window;
    std::vector<std::string>& m_calls;
};

class QZHelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        app.m_strProgramDirectory = kProgramDir;
        HtmlViewer::SetFactory([this](wxWindow* parent, UINT, const RECT&) {
            return std::make_unique<RecordingViewer>(parent, calls);
        });
        ASSERT_TRUE(
            frame.Create(nullptr, "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 700, 500)));
        frame.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(&frame, IDD_HELP_VIEWER, WS_CHILD | CBRS_TOP, 0, 215));
        HtmlViewer::SetFactory({});
    }
    void TearDown() override {
        frame.DestroyWindow();
        SettleWindows();
    }

    CVantrel3App app;
    std::vector<std::string> calls;
    MessageBoxRecorder boxes;
    SECFrameWnd frame;
    QZHelpViewer bar;
};

TEST_F(QZHelpViewerTest, EachTopicOpensItsPageLocallyOrRemotely) {
    struct Case {
        UINT topic;
        BOOL remote;
        UINT helpId;
        std::string address;
        std::string message;
    };
    const std::string local = std::string("file://") + kProgramDir + "/Help";
    const std::string remote = "http://www.zerin.example/Help";
    const Case cases[] = {
        {1, FALSE, 15000, local + "/index.html", ""},
        {128, FALSE, 15000, local + "/index.html", ""},
        {106, FALSE, 15106, local + "/index.html", ""},
        {106, TRUE, 15106, remote + "/index.html", ""},
        {32878, FALSE, 10878, local + "/Tutorial/Outline.html", ""},
        {32878, TRUE, 10878, remote + "/Tutorial/Outline.html", ""},
        {32877, FALSE, 10877, local + "/Quickstart/QuickstartTOC.html", ""},
        {32879, TRUE, 10879, remote + "/Reference/Index.html", ""},
        {32906, FALSE, 10906, kUpdate, ""},
        {32906, TRUE, 10906, kUpdate, ""},
        {32950, FALSE, 10950, local + "/index.html", ""},
        {12345, FALSE, 12345, local + "/index.html", "Where did this ID come from?  12345"},
        {10906, TRUE, 10906, kUpdate, "Where did this ID come from?  10906"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        app.m_bHelpRemote = c.remote;
        const std::vector<std::string> message =
            c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message};
        boxes.Clear();
        EXPECT_EQ(QZHelpViewer::HelpIdOfTopic(c.topic), c.helpId);
        EXPECT_EQ(boxes.texts(), message);
        boxes.Clear();
        calls.clear();
        bar.ShowTopic(c.topic);
        EXPECT_EQ(calls,
                  (std::vector<std::string>{"SetBaseText ", "OpenAddress " + c.address + " 0"}));
        EXPECT_EQ(boxes.texts(), message);
    }
}

TEST_F(QZHelpViewerTest, TheStartPageIsTheLocalTutorialEvenWhileHelpIsRemote) {
    app.m_bHelpRemote = TRUE;
    bar.ShowStartPage();
    const std::string tutorial =
        std::string("file://") + kProgramDir + "/Help/Tutorial/Outline.html";
    EXPECT_EQ(calls, (std::vector<std::string>{"SetLocation " + tutorial,
                                               "OpenAddress " + tutorial + " 0"}));
}

TEST_F(QZHelpViewerTest, WithoutAViewerNothingIsShownAndNothingSaid) {
    QZHelpViewer bare;
    HtmlViewer::SetFactory([](wxWindow*, UINT, const RECT&) { return nullptr; });
    ASSERT_TRUE(bare.Create(&frame, IDD_HELP_VIEWER, WS_CHILD | CBRS_TOP, 0, 216));
    HtmlViewer::SetFactory({});
    EXPECT_EQ(bare.GetViewer().GetSafeHwnd(), nullptr);
    bare.ShowTopic(1);
    bare.ShowStartPage();
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(QZHelpViewerTest, TheHelpEntryFindsItsTopicAndTheFrameShowsIt) {
    RecordingFrameServices services;
    services.onTopic = [this](UINT topic) { bar.ShowTopic(topic); };
    CButton control;
    ASSERT_TRUE(control.Create("Log", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                               CRect(10, 10, 90, 40), &frame, 106));
    frame.SetForegroundWindow();
    control.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &control; }));

    app.OnHelp();
    app.OnHelpFinder();
    app.OnHelpQuickStart();
    app.OnHelpTutorial();
    app.OnHelpCommandReference();
    app.OnHelpCheckForUpdates();
    EXPECT_EQ(services.topics, (std::vector<UINT>{106, 1, 32877, 32878, 32879, 32906}));
    // F1 on the control whose id is 106 opened the page of entry 15106 (none: the index).
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[1], std::string("OpenAddress file://") + kProgramDir + "/Help/index.html 0");
    EXPECT_EQ(calls.back(), std::string("OpenAddress ") + kUpdate + " 0");
}

TEST_F(QZHelpViewerTest, WithoutContextIdsTheDataArgumentGivesTheTopicAndZeroShowsNothing) {
    RecordingFrameServices services;
    CWnd parent;
    ASSERT_TRUE(parent.Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 200, 100), &frame, 300));
    CButton child;
    ASSERT_TRUE(child.Create("No id", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                             CRect(5, 5, 80, 30), &parent, 0));
    frame.SetForegroundWindow();
    child.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &child; }));
    EXPECT_EQ(CVantrel3App::HelpTopicFor(0x20004, HELP_CONTEXT), 300u) << "the parent's id";

    parent.DestroyWindow();
    CButton orphan;
    ASSERT_TRUE(orphan.Create("Orphan", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                              CRect(5, 5, 80, 30), &frame, 0));
    orphan.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == &orphan; }));
    app.WinHelp(0x20004, HELP_CONTEXT);
    app.WinHelp(0x30000, HELP_CONTEXT);
    EXPECT_EQ(services.topics, (std::vector<UINT>{4})) << "the data's low 16 bits; 0 shows nothing";
}

TEST(QZHelpViewerPageTest, ARealHelpPageIsLoadedFromTheHelpFolder) {
    RegisterResources();
    CVantrel3App app;
    app.m_strProgramDirectory = (TestDataDir() / "shell").string().c_str();
    HtmlViewer::ForceSimpleViewer(TRUE);
    SECFrameWnd frame;
    ASSERT_TRUE(
        frame.Create(nullptr, "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 700, 500)));
    {
        QZHelpViewer bar;
        ASSERT_TRUE(bar.Create(&frame, IDD_HELP_VIEWER, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 215));
        bar.ShowStartPage();
        const std::string text(bar.GetViewer().GetViewer()->GetPageText());
        EXPECT_NE(text.find("Fixture start page of the help viewer."), std::string::npos) << text;
        bar.ShowTopic(1);
        const std::string index(bar.GetViewer().GetViewer()->GetPageText());
        EXPECT_NE(index.find("Fixture help index."), std::string::npos) << index;
    }
    frame.DestroyWindow();
    SettleWindows();
    HtmlViewer::ForceSimpleViewer(FALSE);
}

} // namespace
