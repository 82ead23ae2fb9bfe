#pragma once
// The lexer of template text: cuts literal HTML (text runs and single tags), commands between
// double angle brackets and comments into tokens (QZToken). It reads the characters through the
// compile context that owns it and keeps what it found of the current token: its line, the
// command's word and argument ranges and the first two semicolons of the arguments. Whether it
// stands inside a tag that began with "<!" survives from one token to the next.

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "template/parser/QZToken.h"

class QZSymbol;
class QZVantrelCompileContext;
class SymbolTable;

class QZTemplateLexer {
public:
    // The offset of a semicolon that the arguments do not have.
    static constexpr int kNoSemicolon = -1;

    // Reads through `reader`, whose text, position, line and token start it shares.
    explicit QZTemplateLexer(QZVantrelCompileContext& reader);
    QZTemplateLexer(const QZTemplateLexer&) = delete;
    QZTemplateLexer& operator=(const QZTemplateLexer&) = delete;

    // The table that command words are looked up in; none until the parser has made it.
    void SetKeywordTable(SymbolTable* keywords) { m_pKeywords = keywords; }

    // The token that begins at the reader's token start, which the caller sets to the position
    // first. Lexical errors go to the reader's ReportError.
    int NextToken();
    // The printable name of a token for syntax messages.
    static CString GetTokenName(int token);

    LONG GetTokenLine() const { return m_nTokenLine; }
    LONG GetArgumentLine() const { return m_nArgumentLine; }
    // The whole token, from its first character to the position.
    CString GetTokenText() const;
    CString GetKeywordText() const;
    CString GetArgumentText() const;
    int GetFirstSemicolon() const { return m_nFirstSemicolon; }
    int GetSecondSemicolon() const { return m_nSecondSemicolon; }
    QZSymbol* GetKeywordEntry() const { return m_pKeywordEntry; }

    BOOL IsInCommentTag() const { return m_bCommentTag; }
    void LeaveCommentTag() { m_bCommentTag = FALSE; }
    // Set when the current command token cannot be rebuilt from its word and arguments (the
    // lexer skipped characters of it, or it ends inside a string): it is then kept whole.
    BOOL IsKeptWhole() const { return m_bKeepWhole; }

private:
    void ForgetCommand();
    int AfterAngle();
    int InsideTag();
    int TextRun(int quotes);
    bool FollowsScheme() const;
    int AfterSlash();
    int LineComment();
    int AfterTagSlash();
    int Command();
    bool FindWordStart(int& c);
    void ReadWord(int c);
    int Arguments(int token);
    void RecordSemicolon();

    QZVantrelCompileContext& m_reader;
    SymbolTable* m_pKeywords = nullptr;
    QZSymbol* m_pKeywordEntry = nullptr;
    LONG m_nTokenLine = 1;
    LONG m_nArgumentLine = 1;
    int m_nArgumentStart = 0;
    int m_nArgumentLength = 0;
    int m_nKeywordStart = 0;
    int m_nKeywordLength = 0;
    int m_nFirstSemicolon = kNoSemicolon;
    int m_nSecondSemicolon = kNoSemicolon;
    BOOL m_bCommentTag = FALSE;
    BOOL m_bKeepWhole = FALSE;
};
