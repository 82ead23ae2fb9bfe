#pragma once
// A message pump that only counts how often it was asked to pump, for tests that check when a
// long operation lets waiting messages through, and that can ask the end of the program.

#include "platform/ui/MessagePump.h"

class CountingPump : public MessagePump {
public:
    void PumpWaitingMessages() override { ++calls; }
    // A test sets it to ask the end of the program, as a signal would.
    bool QuitRequested() const override { return quit; }
    int calls = 0;
    bool quit = false;
};
