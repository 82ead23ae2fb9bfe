#pragma once
// The program's application object: start (InitInstance) and end (ExitInstance) of the run,
// the pre-translation of input before any window sees it, the main window, the open documents,
// the wait cursor, and the last command target on the frames' route.
// RunWinApp (WinAppRunner.h) runs it on the window system.

#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/WindowMessages.h"

#include <vector>

class CDocument;
class CWnd;

// An input message offered to PreTranslateMessage: key and mouse-button presses.
struct MSG {
    CWnd* hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

constexpr UINT WM_SYSKEYDOWN = 0x0104;

// The help entry's commands: a topic by its context id, and the help index.
constexpr UINT HELP_CONTEXT = 0x0001;
constexpr UINT HELP_FINDER = 0x000B;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE when the program is to run; FALSE ends it (ExitInstance still runs).
    virtual BOOL InitInstance();
    // The program's exit code: the one set with SetExitCode, 0 when none was.
    virtual int ExitInstance();
    void SetExitCode(int nCode) { m_nExitCode = nCode; }
    int GetExitCode() const { return m_nExitCode; }

    // Documents open outside any document template, in the order they were opened (not owned);
    // the templates' own documents are the document manager's.
    void AddDocument(CDocument* pDocument);
    void RemoveDocument(CDocument* pDocument);
    const std::vector<CDocument*>& GetDocuments() const { return m_documents; }
    // Asks every open document, the templates' first, whether it may close (its SaveModified);
    // FALSE as soon as one refuses.
    virtual BOOL SaveAllModified();
    // Closes every open document.
    virtual void CloseAllDocuments(BOOL bEndSession);
    // TRUE when the message was taken and must reach no window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The program's help: shows the topic that the data and command name. The base shows
    // nothing.
    virtual void WinHelp(UINT_PTR dwData, UINT nCmd = HELP_CONTEXT);

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

protected:
    // Exit (57665): the main window is closed as the user would close it.
    void OnAppExit();
    // Print Setup over the application's printer settings; on OK every open view hears of it.
    void OnFilePrintSetup();

private:
    int m_nWaitCursorCount = 0;
    int m_nExitCode = 0;
    std::vector<CDocument*> m_documents;

    DECLARE_MESSAGE_MAP()
};

// The one application object; nullptr before it is made.
CWinApp* AfxGetApp();
