#include "tests/support/TestSupport.h"

#include <cstdlib>
#include <stdexcept>

MessageBoxRecorder::MessageBoxRecorder() : m_previous(SetMessageBoxSink(this)) {}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxSink(m_previous);
}

std::vector<std::string> MessageBoxRecorder::texts() const {
    std::vector<std::string> result;
    for (const Shown& box : m_shown)
        result.push_back(box.text);
    return result;
}

int MessageBoxRecorder::Show(const CString& text, UINT type, UINT helpId) {
    m_shown.push_back({text.str(), type, helpId});
    if (m_answers.empty())
        return DefaultMessageBoxAnswer(type);
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mqtest-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TestDataDir() {
    return MQ_TEST_DATA_DIR;
}
