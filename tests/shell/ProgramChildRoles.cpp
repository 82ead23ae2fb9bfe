// Roles a copy of the shell's test program plays as the whole program on the test's display
// (see tests/support/ChildProcess.h): the application object run on the window system with
// the settings and site database of the parent's folders, each role adding what its test
// watches. Files in MQ_CHILD_DIR tell the parent how far the run has come.

#include "content/commands/RegisterContentCommands.h"
#include "content/import/QZImportSite.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/WinAppRunner.h"
#include "res/Resources.h"
#include "shell/CSplashWnd.h"
#include "shell/CVantrel3App.h"
#include "shell/QZDesktopWindows.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "tests/support/ChildProcess.h"

#include <wx/app.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

std::string ChildFile(const char* name) {
    return ChildSetting("DIR") + "/" + name;
}

// Runs the application object as mq30 does; the process ends with its exit code.
void RunProgram(CVantrel3App& app) {
    RegisterResources();
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    static char name[] = "mq30";
    static char* argv[] = {name, nullptr};
    const int code = RunWinApp(app, 1, argv);
    if (code != 0)
        std::exit(code);
}

// A splash without its hide timer: only a press removes it.
class TimerlessSplash : public CSplashWnd {
public:
    static void Show() { ShowSplashScreenOf(new TimerlessSplash, nullptr); }

protected:
    void StartHideTimer() override {}
};

// The program's own windows, with a splash that only a press removes and a main frame whose
// key and command events are written down ("frame-key").
class WatchedWindows : public QZDesktopWindows {
public:
    void ShowSplash(BOOL) override {
        CSplashWnd::EnableSplashScreen(TRUE);
        TimerlessSplash::Show();
    }
    BOOL CreateMainFrame(CVantrel3App& app) override {
        if (!QZDesktopWindows::CreateMainFrame(app))
            return FALSE;
        wxWindow* frame = wxGetTopLevelParent(app.m_pMainWnd->GetSafeHwnd());
        Watch(frame);
        if (wxWindow* focus = wxWindow::FindFocus(); focus && focus != frame)
            Watch(focus);
        // Made once the window system runs.
        m_poll = std::make_unique<wxTimer>();
        m_poll->Bind(wxEVT_TIMER, [this, frame](wxTimerEvent&) { Poll(frame); });
        m_poll->Start(20);
        return TRUE;
    }

private:
    static void Watch(wxWindow* window) {
        auto seen = [](wxEvent& event) {
            WriteFileAtomically(ChildFile("frame-key"), "1");
            event.Skip();
        };
        window->Bind(wxEVT_CHAR_HOOK, seen);
        window->Bind(wxEVT_KEY_DOWN, seen);
        window->Bind(wxEVT_CHAR, seen);
        window->Bind(wxEVT_MENU, seen);
    }
    // "ready" with the frame's screen rectangle once the splash is on screen; "splash-gone"
    // once it has gone.
    void Poll(wxWindow* frame) {
        CSplashWnd* splash = CSplashWnd::GetShown();
        if (!m_ready && splash && splash->IsWindowVisible() && frame->IsShownOnScreen()) {
            m_ready = true;
            const wxRect rect = frame->GetScreenRect();
            WriteFileAtomically(ChildFile("ready"),
                                std::to_string(rect.x) + " " + std::to_string(rect.y) + " " +
                                    std::to_string(rect.width) + " " + std::to_string(rect.height));
        }
        if (m_ready && !splash && !m_gone) {
            m_gone = true;
            WriteFileAtomically(ChildFile("splash-gone"), "1");
        }
    }

    std::unique_ptr<wxTimer> m_poll;
    bool m_ready = false;
    bool m_gone = false;
};

void SplashKeyRole() {
    CVantrel3App app;
    WatchedWindows windows;
    app.SetStartupWindows(&windows);
    RunProgram(app);
}

// The window system's pump, which at its second call (inside the first directory) writes
// "running" and holds the run until the end of the program has been asked.
class HoldingPump : public MessagePump {
public:
    void PumpWaitingMessages() override {
        if (++m_calls == 2) {
            WriteFileAtomically(ChildFile("running"), "1");
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!IsQuitRequested() && std::chrono::steady_clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        MessagePump* self = SetMessagePump(nullptr);
        ::PumpWaitingMessages();
        SetMessagePump(self);
    }

private:
    int m_calls = 0;
};

// Once the main loop runs, imports the directory MQ_CHILD_ROOT (depth 1) as a long run that
// pumps between its steps; writes "imported" when it has returned.
class ImportingApp : public CVantrel3App {
public:
    BOOL InitInstance() override {
        if (!CVantrel3App::InitInstance())
            return FALSE;
        wxTheApp->CallAfter([] {
            HoldingPump pump;
            SetMessagePump(&pump);
            QZImportSite import(ChildSetting("ROOT").c_str(), 1);
            SetMessagePump(nullptr);
            WriteFileAtomically(ChildFile("imported"), "1");
        });
        return TRUE;
    }
};

void PumpedRunRole() {
    ImportingApp app;
    app.m_bShowSplash = FALSE;
    RunProgram(app);
}

MQ_CHILD_ROLE("splash-key", SplashKeyRole);
MQ_CHILD_ROLE("pumped-run", PumpedRunRole);

} // namespace
