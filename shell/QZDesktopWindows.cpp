#include "shell/QZDesktopWindows.h"

#include "platform/ui/CFileDialog.h"
#include "platform/ui/MainWnd.h"
#include "shell/CMainFrame.h"
#include "shell/CSplashWnd.h"
#include "shell/CVantrel3App.h"
#include "shell/QZWindowPlacement.h"

namespace {
constexpr const char* kDatabaseFilter = "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||";
} // namespace

QZDesktopWindows::QZDesktopWindows() = default;

QZDesktopWindows::~QZDesktopWindows() = default;

BOOL QZDesktopWindows::RegisterInstance() {
    return m_instances.Register(&QZDesktopWindows::RaiseMainWindow);
}

void QZDesktopWindows::UnregisterInstance() {
    m_instances.Unregister();
}

BOOL QZDesktopWindows::RaiseRunningCopy() {
    return m_instances.RaiseOther();
}

BOOL QZDesktopWindows::AskDatabaseFile(CString* path) {
    CFileDialog dialog(TRUE, "mdb", *path, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kDatabaseFilter);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    *path = dialog.GetPathName();
    return TRUE;
}

void QZDesktopWindows::ShowSplash(BOOL enabled) {
    CSplashWnd::EnableSplashScreen(enabled);
    CSplashWnd::ShowSplashScreen(nullptr);
}

BOOL QZDesktopWindows::CreateMainFrame(CVantrel3App& app) {
    // The frame lives until the program ends.
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame()) {
        delete frame;
        return FALSE;
    }
    app.m_pMainWnd = frame;
    SetMainWnd(frame);
    WINDOWPLACEMENT placement;
    int show = SW_SHOWMAXIMIZED;
    if (LoadWindowPlacement(frame, "Size", &placement, SW_SHOWMAXIMIZED, &show))
        app.m_nCmdShow = show;
    frame->ShowWindow(app.m_nCmdShow);
    frame->UpdateWindow();
    // The shown main window is the active one: it has the keyboard until a view takes it.
    frame->SetForegroundWindow();
    frame->SetFocus();
    // The splash was shown first and stays over the frame for its time.
    if (CSplashWnd* splash = CSplashWnd::GetShown())
        splash->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void QZDesktopWindows::RaiseMainWindow() {
    CWnd* main = AfxGetMainWnd();
    if (!main || !main->GetSafeHwnd())
        return;
    WINDOWPLACEMENT placement;
    if (main->GetWindowPlacement(&placement) && placement.showCmd == SW_SHOWMINIMIZED) {
        placement.showCmd = SW_SHOWNORMAL;
        main->SetWindowPlacement(&placement);
    }
    main->SetForegroundWindow();
}
