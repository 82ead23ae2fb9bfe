#pragma once
// The program's application object: start (InitInstance) and end (ExitInstance) of the run,
// the pre-translation of input before any window sees it, the main window and the wait cursor.
// RunWinApp (WinAppRunner.h) runs it on the window system.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/ui/WindowMessages.h"

class CWnd;

// An input message offered to PreTranslateMessage: key and mouse-button presses.
struct MSG {
    CWnd* hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

constexpr UINT WM_SYSKEYDOWN = 0x0104;

class CWinApp : public CObject {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE when the program is to run; FALSE ends it (ExitInstance still runs).
    virtual BOOL InitInstance();
    // The program's exit code.
    virtual int ExitInstance();
    // TRUE when the message was taken and must reach no window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The hourglass while start-up works; nested calls count.
    void BeginWaitCursor();
    void EndWaitCursor();
    // Shows the wait cursor again while one is pending (after a dialog changed it).
    void RestoreWaitCursor();
    BOOL IsWaitCursorShown() const { return m_nWaitCursorCount > 0; }

    // The command line (without the program's name), and how the main window is to show.
    CString m_lpCmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    // The main window (not owned; it deletes itself when destroyed).
    CWnd* m_pMainWnd = nullptr;

private:
    int m_nWaitCursorCount = 0;
};

// The one application object; nullptr before it is made.
CWinApp* AfxGetApp();
