// The main window in a real program run (a copy of this test program playing the program):
// bars moved and hidden come back the same after a restart, with the window's "Size"; and the
// out-of-date database command ends the program the normal way, with exit code 1.

#include "content/commands/RegisterContentCommands.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/WinAppRunner.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CMainFrame.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "tests/shell/StartupFixture.h"
#include "tests/support/ChildProcess.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

// Answers every box (No where there is one, else the default) and writes its text to a file.
class FileMessageBoxes : public MessageBoxSink {
public:
    explicit FileMessageBoxes(std::string path) : m_path(std::move(path)) {
        SetMessageBoxSink(this);
    }
    int Show(const CString& text, UINT type, UINT) override {
        std::ofstream(m_path, std::ios::app) << text.str() << "\n";
        return (type & 0x0F) == MB_YESNOCANCEL ? IDNO : DefaultMessageBoxAnswer(type);
    }

private:
    std::string m_path;
};

// The program, with one action once its main window has settled.
class ActingApp : public CVantrel3App {
public:
    explicit ActingApp(void (*act)(CMainFrame&)) : m_act(act) { m_bShowSplash = FALSE; }
    BOOL InitInstance() override {
        if (!CVantrel3App::InitInstance())
            return FALSE;
        m_timer = std::make_unique<wxTimer>();
        m_timer->Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd))
                m_act(*frame);
        });
        m_timer->StartOnce(700);
        return TRUE;
    }
    int ExitInstance() override {
        m_timer.reset();
        return CVantrel3App::ExitInstance();
    }

private:
    void (*m_act)(CMainFrame&);
    std::unique_ptr<wxTimer> m_timer;
};

[[noreturn]] void RunProgram(void (*act)(CMainFrame&)) {
    RegisterResources();
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    ActingApp app(act);
    static char name[] = "mq30";
    char* argv[] = {name, nullptr};
    int argc = 1;
    std::exit(RunWinApp(app, argc, argv));
}

// Where each bar is: shown, floating, the side it is docked on, its rectangle (in the frame's
// client area when docked, on the screen when floating); and the frame's placement.
std::string DescribeLayout(CMainFrame& frame) {
    frame.RecalcLayout();
    wxTheApp->Yield(true);
    std::ostringstream out;
    CControlBar* bars[] = {&frame.m_wndToolBar,   &frame.m_wndCommandBar, &frame.m_wndHTMLBar,
                           &frame.m_wndActionBar, &frame.m_wndFormBar,    &frame.m_wndServiceBar,
                           &frame.m_wndStatusBar};
    for (CControlBar* bar : bars) {
        CRect rect;
        bar->GetWindowRect(&rect);
        if (!bar->IsFloating())
            frame.ScreenToClient(&rect);
        out << bar->GetDlgCtrlID() << " shown " << (bar->IsWindowVisible() ? 1 : 0) << " floating "
            << (bar->IsFloating() ? 1 : 0) << " side "
            << (bar->m_pDockBar && !bar->IsFloating() ? bar->m_pDockBar->GetDlgCtrlID() : 0)
            << " at " << rect.left << "," << rect.top << "," << rect.Width() << "x" << rect.Height()
            << "\n";
    }
    WINDOWPLACEMENT placement;
    frame.GetWindowPlacement(&placement);
    const CRect normal(placement.rcNormalPosition);
    out << "window " << placement.showCmd << " " << normal.left << "," << normal.top << ","
        << normal.Width() << "x" << normal.Height() << "\n";
    return out.str();
}

void MoveAndHideBars(CMainFrame& frame) {
    WINDOWPLACEMENT placement;
    frame.GetWindowPlacement(&placement);
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = CRect(60, 40, 960, 700);
    frame.SetWindowPlacement(&placement);
    frame.ShowWindow(SW_SHOWNORMAL);
    frame.SendMessage(WM_COMMAND, IDR_COMMANDBAR);
    frame.SendMessage(WM_COMMAND, IDR_FORMBAR);
    frame.FloatControlBar(&frame.m_wndHTMLBar, CPoint(300, 260));
    frame.DockControlBar(&frame.m_wndServiceBar, AFX_IDW_DOCKBAR_RIGHT);
    WriteFileAtomically(ChildSetting("OUT"), DescribeLayout(frame));
    frame.PostMessage(WM_CLOSE);
}

void DescribeAndClose(CMainFrame& frame) {
    WriteFileAtomically(ChildSetting("OUT"), DescribeLayout(frame));
    frame.PostMessage(WM_CLOSE);
}

void EndWithOutOfDateDatabase(CMainFrame& frame) {
    static FileMessageBoxes boxes(ChildSetting("OUT"));
    auto* document = new CDocument;
    document->SetTitle("Home Page");
    document->SetModifiedFlag();
    AfxGetApp()->AddDocument(document);
    frame.SendMessage(WM_COMMAND, ID_DATABASE_OUT_OF_DATE);
}

void LayoutRun() {
    RunProgram(ChildSetting("STAGE") == "change" ? &MoveAndHideBars : &DescribeAndClose);
}
MQ_CHILD_ROLE("main-frame-layout", LayoutRun);

void OutOfDateRun() {
    RunProgram(&EndWithOutOfDateDatabase);
}
MQ_CHILD_ROLE("main-frame-out-of-date", OutOfDateRun);

class MainFrameProgramTest : public StartupTest {
protected:
    MainFrameProgramTest() {
        setenv("XDG_RUNTIME_DIR", folders.file("run").c_str(), 1);
        std::filesystem::create_directories(folders.file("run"));
        std::filesystem::permissions(folders.file("run"), std::filesystem::perms::owner_all);
        SetSetting("VantrelDatabase", databasePath.c_str());
    }
    ~MainFrameProgramTest() override { unsetenv("XDG_RUNTIME_DIR"); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

} // namespace

TEST_F(MainFrameProgramTest, BarsMovedAndHiddenComeBackAfterARestart) {
    const std::string changed = folders.file("changed.txt");
    const std::string restarted = folders.file("restarted.txt");
    ChildProcess first("main-frame-layout", {{"STAGE", "change"}, {"OUT", changed}});
    ASSERT_EQ(first.Wait(), 0);
    const std::string layout = Read(changed);
    ASSERT_FALSE(layout.empty());
    EXPECT_NE(layout.find("159 shown 0"), std::string::npos) << layout;
    EXPECT_NE(layout.find("255 shown 1"), std::string::npos) << layout;
    EXPECT_NE(layout.find("158 shown 1 floating 1"), std::string::npos) << layout;
    EXPECT_NE(layout.find("147 shown 1 floating 0 side 59421"), std::string::npos) << layout;
    const std::string size = Setting("Size");
    EXPECT_FALSE(size.empty());

    ChildProcess second("main-frame-layout", {{"STAGE", "check"}, {"OUT", restarted}});
    ASSERT_EQ(second.Wait(), 0);
    EXPECT_EQ(Read(restarted), layout);
    EXPECT_EQ(Setting("Size"), size);
}

TEST_F(MainFrameProgramTest, TheOutOfDateDatabaseClosesTheProgramTheNormalWay) {
    const std::string boxesFile = folders.file("boxes.txt");
    ChildProcess run("main-frame-out-of-date", {{"OUT", boxesFile}});
    EXPECT_EQ(run.Wait(), 1);
    EXPECT_EQ(Read(boxesFile),
              "The database you have selected is out-of-date.  Please run database "
              "fixer at this time.\nSave changes to Home Page?\n");
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0) << "the user was logged out";
    EXPECT_TRUE(HasSetting("UserName")) << "the settings were written";
    EXPECT_TRUE(HasSetting("Size"));
}
