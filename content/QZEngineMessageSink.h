#pragma once
// Where engine messages end up. Every message the application lets through goes to one sink:
// the output pane in the program, a recorder in tests. A sink takes each message over.

class QZEngineMessage;

class QZEngineMessageSink {
public:
    virtual ~QZEngineMessageSink() = default;
    // Takes the message over (it was made with new) and shows or keeps it.
    virtual void Post(QZEngineMessage* message) = 0;
};

// Installs `sink` (not owned) and returns the one it replaces; nullptr restores the default,
// which writes the display line to standard error and deletes the message.
QZEngineMessageSink* SetEngineMessageSink(QZEngineMessageSink* sink);

// Hands the message to the installed sink.
void PostToEngineMessageSink(QZEngineMessage* message);
