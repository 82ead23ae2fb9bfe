#pragma once
// Helpers shared by every test: a message-box recorder and a temporary folder.

#include "platform/core/MessageBox.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

// Replaces the message-box sink for its lifetime. Every box shown is kept; each is answered
// by the next scripted answer, or by the box's default button when none is left.
class MessageBoxRecorder : public MessageBoxSink {
public:
    struct Shown {
        std::string text;
        UINT type;
        UINT helpId;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder() override;
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void Answer(int button) { m_answers.push_back(button); }
    const std::vector<Shown>& shown() const { return m_shown; }
    std::vector<std::string> texts() const;
    void Clear() { m_shown.clear(); }

    int Show(const CString& text, UINT type, UINT helpId) override;

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
    MessageBoxSink* m_previous;
};

// A new empty folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The full path of `name` inside the folder, as text.
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// The folder of the tests' fixed data files (tests/data).
std::filesystem::path TestDataDir();
