#include "platform/ui/MessagePump.h"

#include "platform/core/ReplaceableService.h"

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

ReplaceableService<MessagePump, WxMessagePump> g_pump;

} // namespace

MessagePump* SetMessagePump(MessagePump* pump) {
    return g_pump.Replace(pump);
}

void PumpWaitingMessages() {
    g_pump.Get().PumpWaitingMessages();
}
