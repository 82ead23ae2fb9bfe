#pragma once
// The text buffer in memory: the bytes, one style per byte and the selection. The editor's
// logic runs on it in the tests and benchmarks.

#include "editors/QZTextBuffer.h"

#include <string>
#include <vector>

class QZMemoryTextBuffer : public QZTextBuffer {
public:
    QZMemoryTextBuffer() = default;
    explicit QZMemoryTextBuffer(const CString& text);

    LONG GetLength() const override { return static_cast<LONG>(m_text.size()); }
    void GetSel(LONG& start, LONG& end) const override;
    void SetSel(LONG start, LONG end) override;
    CString GetTextRange(LONG start, LONG end) const override;
    void ReplaceRange(LONG start, LONG end, const CString& text) override;
    LONG GetLineCount() const override;
    LONG LineFromChar(LONG position) const override;
    LONG LineIndex(LONG line) const override;
    LONG LineLength(LONG line) const override;
    void SetStyle(LONG start, LONG length, int style) override;

    int GetStyleAt(LONG position) const;
    // One style digit per byte, for tests to compare.
    std::string GetStyles() const;

private:
    LONG Clamp(LONG position) const;
    const std::vector<LONG>& LineStarts() const;
    void UpdateLineStarts(LONG start, LONG end, LONG newEnd);

    std::string m_text;
    std::vector<unsigned char> m_styles;
    LONG m_selStart = 0;
    LONG m_selEnd = 0;
    // The start of every line, worked out again after a change when first asked for.
    mutable std::vector<LONG> m_lineStarts;
    mutable bool m_linesValid = false;
};
