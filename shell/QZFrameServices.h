#pragma once
// What the panes and the application need of the main frame: texts in the status bar's panes
// and help topics in the help viewer. The main frame installs itself while it lives; without
// one (and in tests, with a recorder) the shell's windows still work.

#include "platform/core/Types.h"

class QZFrameServices {
public:
    virtual ~QZFrameServices() = default;
    // Sets the text of a pane of the status bar (0: the message pane) and redraws it at once.
    virtual void SetStatusPaneText(int nPane, LPCTSTR lpszText) = 0;
    // Shows the help viewer with the page of a topic.
    virtual void ShowHelpTopic(UINT nTopic) = 0;
};

// Installs `services` (not owned; nullptr: none) and returns the one it replaces.
QZFrameServices* SetFrameServices(QZFrameServices* services);
// The installed services, or nullptr.
QZFrameServices* GetFrameServices();
