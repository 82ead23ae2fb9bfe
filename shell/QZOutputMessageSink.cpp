#include "shell/QZOutputMessageSink.h"

#include "shell/QZOutputBar.h"

#include <memory>

namespace {

struct Installed {
    std::unique_ptr<QZOutputMessageSink> sink;
    QZEngineMessageSink* previous = nullptr;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

} // namespace

void QZOutputMessageSink::Post(QZEngineMessage* message) {
    m_bar.AddEngineMessage(message);
}

void InstallOutputMessageSink(QZOutputBar& bar) {
    UninstallOutputMessageSink();
    Installed& installed = Current();
    installed.sink = std::make_unique<QZOutputMessageSink>(bar);
    installed.previous = SetEngineMessageSink(installed.sink.get());
}

void UninstallOutputMessageSink() {
    Installed& installed = Current();
    if (!installed.sink)
        return;
    SetEngineMessageSink(installed.previous);
    installed.sink.reset();
    installed.previous = nullptr;
}

void ClearOutputMessages() {
    if (QZOutputMessageSink* sink = Current().sink.get())
        sink->GetBar().ClearEngineMessages();
}
