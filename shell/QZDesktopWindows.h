#pragma once
// The program's own answers to start-up's window questions: the per-user list of running
// copies, the file-open dialog, the splash window and the main frame.

#include "platform/ui/InstanceRegistry.h"
#include "shell/QZStartupWindows.h"

#include <memory>

class CMainFrame;

class QZDesktopWindows : public QZStartupWindows {
public:
    QZDesktopWindows();
    ~QZDesktopWindows() override;

    BOOL RegisterInstance() override;
    void UnregisterInstance() override;
    BOOL RaiseRunningCopy() override;
    BOOL AskDatabaseFile(CString* path) override;
    void ShowSplash(BOOL enabled) override;
    BOOL CreateMainFrame(CVantrel3App& app) override;

private:
    // Another copy asked for the main window.
    static void RaiseMainWindow();

    InstanceRegistry m_instances;
};
