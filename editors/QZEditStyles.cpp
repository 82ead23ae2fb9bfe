#include "editors/QZEditStyles.h"

namespace {

bool IsBracketAt(const std::string& text, size_t i) {
    return i + 1 < text.size() && text[i] == text[i + 1] && (text[i] == '<' || text[i] == '>');
}

// A command's text: its brackets, wherever they stand, apart from the rest.
void AddCommandRuns(const std::string& text, LONG start, std::vector<QZStyleRun>& runs) {
    size_t i = 0;
    while (i < text.size()) {
        if (IsBracketAt(text, i)) {
            runs.push_back({start + static_cast<LONG>(i), 2, STYLE_BRACKET});
            i += 2;
            continue;
        }
        size_t end = i + 1;
        while (end < text.size() && !IsBracketAt(text, end))
            end++;
        runs.push_back({start + static_cast<LONG>(i), static_cast<LONG>(end - i), STYLE_COMMAND});
        i = end;
    }
}

int StyleOfKind(LONG kind) {
    switch (kind) {
    case QZVantrelMemoFld::SEGMENT_TAG:
        return STYLE_TAG;
    case QZVantrelMemoFld::SEGMENT_COMMENT:
        return STYLE_COMMENT;
    default:
        return STYLE_TEXT;
    }
}

} // namespace

std::vector<QZStyleRun> StyleRunsOfSpans(const QZVantrelMemoFld::ColorSpanList& spans, LONG start) {
    std::vector<QZStyleRun> runs;
    LONG position = start;
    for (const QZNameAndId& span : spans) {
        const std::string& text = span.m_Name.str();
        if (text.empty())
            continue;
        if (span.m_Id == QZVantrelMemoFld::SEGMENT_COMMAND)
            AddCommandRuns(text, position, runs);
        else
            runs.push_back({position, static_cast<LONG>(text.size()), StyleOfKind(span.m_Id)});
        position += static_cast<LONG>(text.size());
    }
    return runs;
}
