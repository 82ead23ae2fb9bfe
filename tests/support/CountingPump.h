#pragma once
// A message pump that only counts how often it was asked to pump, for tests that check when a
// long operation lets waiting messages through.

#include "platform/ui/MessagePump.h"

class CountingPump : public MessagePump {
public:
    void PumpWaitingMessages() override { ++calls; }
    int calls = 0;
};
