#include "content/QZEngineMessageSink.h"

#include "content/QZEngineMessage.h"
#include "platform/core/ReplaceableService.h"

#include <cstdio>

namespace {

// The sink in place before the program's output pane or a test installs one.
class StderrEngineMessageSink : public QZEngineMessageSink {
public:
    void Post(QZEngineMessage* message) override {
        std::fprintf(stderr, "%s\n", static_cast<LPCTSTR>(message->GetDisplayText()));
        delete message;
    }
};

ReplaceableService<QZEngineMessageSink, StderrEngineMessageSink> g_sink;

} // namespace

QZEngineMessageSink* SetEngineMessageSink(QZEngineMessageSink* sink) {
    return g_sink.Replace(sink);
}

void PostToEngineMessageSink(QZEngineMessage* message) {
    if (message != nullptr)
        g_sink.Get().Post(message);
}
