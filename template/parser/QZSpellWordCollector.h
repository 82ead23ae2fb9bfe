#pragma once
// The spell-check pass over template text: the words of plain text and comments, and of the
// double-quoted strings of commands, each with the indexes of its first and last characters in
// the whole text, as undo records of kind 0 (the form the editor's spell check walks). Tags give
// no words; a word is a run of ASCII letters.

#include "template/parser/QZUndoRedo.h"

#include <vector>

class QZVantrelMemoFld;

class QZSpellWordCollector {
public:
    explicit QZSpellWordCollector(QZVantrelMemoFld& parser);
    QZSpellWordCollector(const QZSpellWordCollector&) = delete;
    QZSpellWordCollector& operator=(const QZSpellWordCollector&) = delete;

    // Reads the text through the parser's lexer; the caller owns the list.
    std::vector<QZUndoRedo> Collect(const CString& text);

private:
    void TakeToken(int token);
    void TakeQuotedStrings(int from, int to);
    int ClosingQuote(int open, int to) const;
    void CutWords(int from, int to);

    QZVantrelMemoFld& m_parser;
    std::vector<QZUndoRedo> m_words;
};
