#pragma once
// A context with a lexer and a parser over its text: the base of the template parser and of
// the expression contexts. It gives them the character reading, the token match and the error
// report they share.

#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelContext.h"

class QZVantrelCompileContext : public QZVantrelContext {
public:
    // What GetChar gives at or past the end of the text, and for a NUL in it.
    static constexpr int kEndOfText = 0;

    explicit QZVantrelCompileContext(QZVantrelContext* parent = nullptr);

    virtual void Parse(const CString& text) = 0;
    virtual int NextToken() = 0;
    // The printable name of a token for syntax messages.
    virtual CString GetTokenName(int token) = 0;

    // The character at the position (kEndOfText at or past the end, and for a NUL); the
    // position advances in every case, and a line feed read counts a line.
    int GetChar();
    // Moves back one character, uncounting a line feed stepped back over.
    void UngetChar();
    void SkipWhiteSpace();

    // Reads the next token when the current one is `expected`; otherwise reports "Syntax
    // error: Expected %s, got %s" and leaves the current token for the caller to see again.
    void Match(int expected);
    // Sets the error flag; in mode 4 the message also goes to the message owner's log with
    // the current line.
    void ReportError(LPCTSTR format, const CString& first = CString(),
                     const CString& second = CString());

    int GetPosition() const { return m_nPosition; }
    int GetTokenStart() const { return m_nTokenStart; }
    int GetCurrentToken() const { return m_nCurrentToken; }
    LONG GetLine() const { return m_nLine; }

protected:
    int m_nPosition = 0;
    int m_nTokenStart = 0;
    int m_nCurrentToken = TOKEN_EOF;
    LONG m_nLine = 1;
};
