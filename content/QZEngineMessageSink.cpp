#include "content/QZEngineMessageSink.h"

#include "content/QZEngineMessage.h"

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

StderrEngineMessageSink g_stderrSink;
QZEngineMessageSink* g_sink = &g_stderrSink;

} // namespace

QZEngineMessageSink* SetEngineMessageSink(QZEngineMessageSink* sink) {
    QZEngineMessageSink* previous = g_sink;
    g_sink = sink ? sink : &g_stderrSink;
    return previous == &g_stderrSink ? nullptr : previous;
}

void PostToEngineMessageSink(QZEngineMessage* message) {
    if (message != nullptr)
        g_sink->Post(message);
}
