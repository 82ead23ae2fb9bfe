#include "editors/QZMemoryTextBuffer.h"

#include <algorithm>

QZMemoryTextBuffer::QZMemoryTextBuffer(const CString& text)
    : m_text(text.str()), m_styles(m_text.size(), 0) {}

LONG QZMemoryTextBuffer::Clamp(LONG position) const {
    return std::clamp<LONG>(position, 0, GetLength());
}

void QZMemoryTextBuffer::GetSel(LONG& start, LONG& end) const {
    start = m_selStart;
    end = m_selEnd;
}

void QZMemoryTextBuffer::SetSel(LONG start, LONG end) {
    start = Clamp(start);
    end = Clamp(end);
    m_selStart = std::min(start, end);
    m_selEnd = std::max(start, end);
}

CString QZMemoryTextBuffer::GetTextRange(LONG start, LONG end) const {
    start = Clamp(start);
    end = Clamp(end);
    if (end <= start)
        return CString();
    return CString(m_text.substr(start, end - start));
}

void QZMemoryTextBuffer::ReplaceRange(LONG start, LONG end, const CString& text) {
    start = Clamp(start);
    end = std::max(start, Clamp(end));
    const std::string& bytes = text.str();
    m_text.replace(start, end - start, bytes);
    m_styles.erase(m_styles.begin() + start, m_styles.begin() + end);
    m_styles.insert(m_styles.begin() + start, bytes.size(), 0);
    if (m_linesValid)
        UpdateLineStarts(start, end, start + static_cast<LONG>(bytes.size()));
    m_selStart = m_selEnd = start + static_cast<LONG>(bytes.size());
}

// After [start, end) became [start, newEnd): the lines before the one holding the character
// before the change stay, those whose break lies wholly after the old end move, and the lines
// between are found again (a CR and an LF the change brought together are one break).
void QZMemoryTextBuffer::UpdateLineStarts(LONG start, LONG end, LONG newEnd) {
    const LONG delta = newEnd - end;
    auto first =
        std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), std::max<LONG>(start - 1, 0)) -
        1;
    auto kept = std::upper_bound(first, m_lineStarts.end(), end + 1);
    std::vector<LONG> tail(kept, m_lineStarts.end());
    m_lineStarts.erase(first + 1, m_lineStarts.end());
    const LONG size = GetLength();
    for (LONG i = m_lineStarts.back(); i <= newEnd && i < size; i++) {
        char c = m_text[i];
        if (c == '\r' && i + 1 < size && m_text[i + 1] == '\n')
            i++;
        else if (c != '\r' && c != '\n')
            continue;
        if (i + 1 <= newEnd + 1)
            m_lineStarts.push_back(i + 1);
    }
    for (LONG lineStart : tail)
        m_lineStarts.push_back(lineStart + delta);
}

const std::vector<LONG>& QZMemoryTextBuffer::LineStarts() const {
    if (m_linesValid)
        return m_lineStarts;
    m_lineStarts.assign(1, 0);
    const size_t size = m_text.size();
    for (size_t i = 0; i < size; i++) {
        char c = m_text[i];
        if (c == '\r' && i + 1 < size && m_text[i + 1] == '\n')
            i++;
        else if (c != '\r' && c != '\n')
            continue;
        m_lineStarts.push_back(static_cast<LONG>(i + 1));
    }
    m_linesValid = true;
    return m_lineStarts;
}

LONG QZMemoryTextBuffer::GetLineCount() const {
    return static_cast<LONG>(LineStarts().size());
}

LONG QZMemoryTextBuffer::LineFromChar(LONG position) const {
    const std::vector<LONG>& starts = LineStarts();
    auto after = std::upper_bound(starts.begin(), starts.end(), Clamp(position));
    return static_cast<LONG>(after - starts.begin()) - 1;
}

LONG QZMemoryTextBuffer::LineIndex(LONG line) const {
    const std::vector<LONG>& starts = LineStarts();
    if (line < 0 || line >= static_cast<LONG>(starts.size()))
        return -1;
    return starts[line];
}

LONG QZMemoryTextBuffer::LineLength(LONG line) const {
    LONG start = LineIndex(line);
    if (start < 0)
        return 0;
    LONG end = start;
    while (end < GetLength() && m_text[end] != '\r' && m_text[end] != '\n')
        end++;
    return end - start;
}

void QZMemoryTextBuffer::SetStyle(LONG start, LONG length, int style) {
    start = Clamp(start);
    LONG end = Clamp(start + std::max<LONG>(length, 0));
    std::fill(m_styles.begin() + start, m_styles.begin() + end, static_cast<unsigned char>(style));
}

int QZMemoryTextBuffer::GetStyleAt(LONG position) const {
    return position >= 0 && position < GetLength() ? m_styles[position] : 0;
}

std::string QZMemoryTextBuffer::GetStyles() const {
    std::string digits;
    digits.reserve(m_styles.size());
    for (unsigned char style : m_styles)
        digits += static_cast<char>('0' + style);
    return digits;
}
