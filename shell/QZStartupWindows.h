#pragma once
// What start-up and shut-down ask of the window system, so that they run without a display:
// the other running copies, the file chooser of the database choice, the splash and the main
// frame. The program answers with real windows (QZDesktopWindows), the tests with their own.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CVantrel3App;

class QZStartupWindows {
public:
    virtual ~QZStartupWindows() = default;

    // Enters this copy in the per-user list of running copies; FALSE when it cannot be.
    virtual BOOL RegisterInstance() = 0;
    // Takes this copy out of the list again.
    virtual void UnregisterInstance() = 0;
    // TRUE when another live copy is registered; it has been asked to raise its main window.
    virtual BOOL RaiseRunningCopy() = 0;
    // The file-open dialog of the database choice, opened on `path`; FALSE on Cancel, else
    // *path is the chosen file.
    virtual BOOL AskDatabaseFile(CString* path) = 0;
    // Shows the splash window when `enabled`.
    virtual void ShowSplash(BOOL enabled) = 0;
    // Makes the main frame, restores its placement and shows it; FALSE when it cannot be made.
    virtual BOOL CreateMainFrame(CVantrel3App& app) = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};
