#pragma once
// The engine-message sink while the main frame lives: every message the application lets
// through goes to the output pane's log.

#include "content/QZEngineMessageSink.h"

class QZOutputBar;

class QZOutputMessageSink : public QZEngineMessageSink {
public:
    explicit QZOutputMessageSink(QZOutputBar& bar) : m_bar(bar) {}
    void Post(QZEngineMessage* message) override;
    QZOutputBar& GetBar() { return m_bar; }

private:
    QZOutputBar& m_bar;
};

// Makes the bar's log the sink of engine messages (the frame calls it once the bar exists).
void InstallOutputMessageSink(QZOutputBar& bar);
// Restores the sink that was in place before (the frame calls it before the bar goes).
void UninstallOutputMessageSink();
// Empties the log of the installed output pane; nothing while none is installed.
void ClearOutputMessages();
