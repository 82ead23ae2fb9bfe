#pragma once
// Replaces the engine-message sink for its lifetime and keeps every message that reaches it,
// with its display line.

#include "content/QZEngineMessageSink.h"
#include "platform/core/Types.h"

#include <string>
#include <vector>

class EngineMessageRecorder : public QZEngineMessageSink {
public:
    struct Line {
        int kind;
        SHORT type;
        std::string display;
    };

    EngineMessageRecorder();
    ~EngineMessageRecorder() override;
    EngineMessageRecorder(const EngineMessageRecorder&) = delete;
    EngineMessageRecorder& operator=(const EngineMessageRecorder&) = delete;

    void Post(QZEngineMessage* message) override;

    const std::vector<Line>& lines() const { return m_lines; }
    std::vector<std::string> displays() const;
    void Clear() { m_lines.clear(); }

private:
    std::vector<Line> m_lines;
    QZEngineMessageSink* m_previous;
};
