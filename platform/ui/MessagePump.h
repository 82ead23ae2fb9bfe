#pragma once
// Dispatching the window messages that are waiting, between the steps of a long operation that
// runs on the user-interface thread. The pump is replaceable: the default one works through the
// window system and does nothing while no window system application runs (tests without a
// display); tests may install their own.

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Dispatches every message that is waiting now, then returns.
    virtual void PumpWaitingMessages() = 0;
    // TRUE when this pump itself asks the program to end (a test's pump standing in for the
    // window system); the window system's asks through RequestQuit.
    virtual bool QuitRequested() const { return false; }
};

// Installs `pump` (not owned) and returns the one it replaces; nullptr restores the default.
MessagePump* SetMessagePump(MessagePump* pump);

// Dispatches the waiting messages through the installed pump.
void PumpWaitingMessages();

// A request to end the program (the main loop asked to stop, SIGTERM, SIGHUP) is never dropped:
// it is kept until the program ends, long runs that pump between their steps stop after the
// step they are in, as on Abort, and the program then ends normally.
void RequestQuit();
// TRUE once the end of the program has been asked for, of the process or by the installed
// pump. A long run that pumps asks it after each step and stops as on Abort.
bool IsQuitRequested();
