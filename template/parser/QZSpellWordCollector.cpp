#include "template/parser/QZSpellWordCollector.h"

#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"

#include <utility>

namespace {
bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
} // namespace

QZSpellWordCollector::QZSpellWordCollector(QZVantrelMemoFld& parser) : m_parser(parser) {}

std::vector<QZUndoRedo> QZSpellWordCollector::Collect(const CString& text) {
    m_words.clear();
    m_parser.StartText(text);
    for (int token = m_parser.NextToken(); token != TOKEN_EOF; token = m_parser.NextToken()) {
        m_parser.SetError(FALSE);
        TakeToken(token);
    }
    return std::move(m_words);
}

void QZSpellWordCollector::TakeToken(int token) {
    int start = m_parser.GetTokenStart();
    int end = m_parser.GetPosition();
    if (token == TOKEN_HTML) {
        CString tokenText = m_parser.GetTokenText();
        if (tokenText.Left(1) != "<" && tokenText.Right(1) != ">")
            CutWords(start, end);
    } else if (token == TOKEN_COMMENT) {
        CutWords(start, end);
    } else {
        // Only the double-quoted strings of a command are prose.
        TakeQuotedStrings(start, end);
    }
}

void QZSpellWordCollector::TakeQuotedStrings(int from, int to) {
    const CString& text = m_parser.GetText();
    for (int i = from; i < to; i++) {
        if (text.GetAt(i) != '"')
            continue;
        int close = ClosingQuote(i, to);
        CutWords(i + 1, close);
        i = close;
    }
}

// The quote that closes the string opened at `open` (a doubled quote stays in it); `to` when
// the string runs to the end of the command.
int QZSpellWordCollector::ClosingQuote(int open, int to) const {
    const CString& text = m_parser.GetText();
    int close = open + 1;
    for (; close < to; close++) {
        if (text.GetAt(close) != '"')
            continue;
        if (close + 1 < to && text.GetAt(close + 1) == '"')
            close++;
        else
            break;
    }
    return close;
}

void QZSpellWordCollector::CutWords(int from, int to) {
    const CString& text = m_parser.GetText();
    int i = from;
    while (i < to) {
        while (i < to && !IsAsciiLetter(text.GetAt(i)))
            i++;
        int first = i;
        while (i < to && IsAsciiLetter(text.GetAt(i)))
            i++;
        if (i > first)
            m_words.emplace_back(text.Mid(first, i - first), first, i - 1, 0);
    }
}
