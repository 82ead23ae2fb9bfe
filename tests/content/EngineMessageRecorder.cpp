#include "tests/content/EngineMessageRecorder.h"

#include "content/QZEngineMessage.h"

EngineMessageRecorder::EngineMessageRecorder() : m_previous(SetEngineMessageSink(this)) {}

EngineMessageRecorder::~EngineMessageRecorder() {
    SetEngineMessageSink(m_previous);
}

void EngineMessageRecorder::Post(QZEngineMessage* message) {
    m_lines.push_back(
        {message->GetKind(), message->GetObjectType(), message->GetDisplayText().str()});
    delete message;
}

std::vector<std::string> EngineMessageRecorder::displays() const {
    std::vector<std::string> texts;
    for (const Line& line : m_lines)
        texts.push_back(line.display);
    return texts;
}
