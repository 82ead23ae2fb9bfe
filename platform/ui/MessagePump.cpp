#include "platform/ui/MessagePump.h"

#include <wx/app.h>

namespace {

class WxMessagePump : public MessagePump {
public:
    void PumpWaitingMessages() override {
        if (!wxTheApp)
            return;
        // Only if needed: a step reached from inside a pump (a handler that runs a long
        // operation) must not pump recursively.
        wxTheApp->Yield(true);
    }
};

WxMessagePump g_wxPump;
MessagePump* g_pump = &g_wxPump;

} // namespace

MessagePump* SetMessagePump(MessagePump* pump) {
    MessagePump* previous = g_pump;
    g_pump = pump ? pump : &g_wxPump;
    return previous == &g_wxPump ? nullptr : previous;
}

void PumpWaitingMessages() {
    g_pump->PumpWaitingMessages();
}
