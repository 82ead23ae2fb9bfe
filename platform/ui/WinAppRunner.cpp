#include "platform/ui/WinAppRunner.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/MessagePump.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <csignal>
#include <cstdlib>

namespace {

// How often a pending quit request is looked at.
constexpr int kQuitPollMs = 100;

void OnQuitSignal(int) {
    RequestQuit();
}

// The press events offered to PreTranslateMessage, as their messages. A key press is offered
// as the first event it makes (the top-level window's hook, before accelerators and the focused
// window), so that one taken there reaches no window.
UINT PressMessageOf(const wxEvent& event) {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_CHAR_HOOK)
        return static_cast<const wxKeyEvent&>(event).AltDown() ? WM_SYSKEYDOWN : WM_KEYDOWN;
    if (type == wxEVT_LEFT_DOWN)
        return WM_LBUTTONDOWN;
    if (type == wxEVT_RIGHT_DOWN)
        return WM_RBUTTONDOWN;
    if (type == wxEVT_MIDDLE_DOWN)
        return WM_MBUTTONDOWN;
    return 0;
}

class WinApp : public wxApp {
public:
    explicit WinApp(CWinApp& app) : m_app(app) {}

    bool OnInit() override {
        if (!m_app.InitInstance()) {
            m_exitCode = m_app.ExitInstance();
            m_exited = true;
            return false;
        }
        m_quitTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { CheckQuit(); });
        m_quitTimer.Start(kQuitPollMs);
        return true;
    }

    int OnExit() override {
        m_quitTimer.Stop();
        if (!m_exited) {
            m_exited = true;
            m_exitCode = m_app.ExitInstance();
        }
        return wxApp::OnExit();
    }

    int FilterEvent(wxEvent& event) override {
        const UINT message = PressMessageOf(event);
        if (message == 0)
            return Event_Skip;
        MSG msg;
        msg.hwnd = CWnd::FromHandle(dynamic_cast<wxWindow*>(event.GetEventObject()));
        msg.message = message;
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
            msg.wParam = static_cast<WPARAM>(static_cast<wxKeyEvent&>(event).GetKeyCode());
        return m_app.PreTranslateMessage(&msg) ? Event_Processed : Event_Skip;
    }

    void ExitMainLoop() override {
        // The end of the loop asked from inside a long run waits until the run has stopped.
        RequestQuit();
        CheckQuit();
    }

    int ExitCode() const { return m_exitCode; }

private:
    // Ends the program once a quit is pending and no long run is pumping: the main window is
    // closed as the user would close it (so it saves what it keeps), then the loop ends.
    void CheckQuit() {
        if (!IsQuitRequested())
            return;
        wxEventLoopBase* loop = wxEventLoopBase::GetActive();
        if (loop && loop->IsYielding())
            return;
        if (m_closing)
            return;
        m_closing = true;
        CWnd* main = m_app.m_pMainWnd ? m_app.m_pMainWnd : AfxGetMainWnd();
        if (main && main->GetSafeHwnd())
            main->SendMessage(WM_CLOSE);
        wxApp::ExitMainLoop();
    }

    CWinApp& m_app;
    wxTimer m_quitTimer;
    int m_exitCode = 0;
    bool m_exited = false;
    bool m_closing = false;
};

} // namespace

int RunWinApp(CWinApp& app, int argc, char** argv) {
    setenv("GDK_BACKEND", "x11", 0);
    std::signal(SIGTERM, OnQuitSignal);
    std::signal(SIGHUP, OnQuitSignal);
    auto* wxapp = new WinApp(app);
    wxApp::SetInstance(wxapp);
    if (!wxEntryStart(argc, argv))
        return 1;
    int code = 0;
    if (wxTheApp->CallOnInit()) {
        wxTheApp->OnRun();
        wxTheApp->OnExit();
        code = wxapp->ExitCode();
    } else {
        code = wxapp->ExitCode();
    }
    wxEntryCleanup();
    return code;
}
