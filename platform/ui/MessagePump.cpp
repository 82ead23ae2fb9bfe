#include "platform/ui/MessagePump.h"

#include "platform/core/ReplaceableService.h"

#include <wx/app.h>

#include <csignal>

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

ReplaceableService<MessagePump, WxMessagePump> g_pump;
volatile sig_atomic_t g_quitRequested = 0;

} // namespace

MessagePump* SetMessagePump(MessagePump* pump) {
    return g_pump.Replace(pump);
}

void PumpWaitingMessages() {
    g_pump.Get().PumpWaitingMessages();
}

void RequestQuit() {
    g_quitRequested = 1;
}

bool IsQuitRequested() {
    return g_quitRequested != 0 || g_pump.Get().QuitRequested();
}
