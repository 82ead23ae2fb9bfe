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
};

// Installs `pump` (not owned) and returns the one it replaces; nullptr restores the default.
MessagePump* SetMessagePump(MessagePump* pump);

// Dispatches the waiting messages through the installed pump.
void PumpWaitingMessages();
