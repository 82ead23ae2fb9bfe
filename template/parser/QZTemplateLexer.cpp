#include "template/parser/QZTemplateLexer.h"

#include "template/parser/QZKeywordTable.h"
#include "template/parser/QZVantrelCompileContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cctype>

namespace {
constexpr int kEnd = QZVantrelCompileContext::kEndOfText;

bool IsLetter(int c) {
    return c != kEnd && std::isalpha(c);
}
bool IsSpace(int c) {
    return c != kEnd && std::isspace(c);
}
} // namespace

QZTemplateLexer::QZTemplateLexer(QZVantrelCompileContext& reader) : m_reader(reader) {}

CString QZTemplateLexer::GetTokenText() const {
    int start = m_reader.GetTokenStart();
    return m_reader.GetText().Mid(start, m_reader.GetPosition() - start);
}

CString QZTemplateLexer::GetKeywordText() const {
    return m_reader.GetText().Mid(m_nKeywordStart, m_nKeywordLength);
}

CString QZTemplateLexer::GetArgumentText() const {
    return m_reader.GetText().Mid(m_nArgumentStart, m_nArgumentLength);
}

CString QZTemplateLexer::GetTokenName(int token) {
    switch (token) {
    case TOKEN_EOF:
        return "EOF";
    case TOKEN_UNRECOGNIZED:
        return "unrecognized token";
    case TOKEN_HTML:
        return "HTML";
    case TOKEN_PARAM:
        return CString();
    default:
        break;
    }
    LPCTSTR word =
        token >= TOKEN_IF && token <= TOKEN_IS ? QZKeywordTable::FindWord(token) : nullptr;
    return word != nullptr ? CString(word) : CString();
}

int QZTemplateLexer::NextToken() {
    m_nTokenLine = m_reader.GetLine();
    ForgetCommand();
    int c = m_reader.GetChar();
    if (c == '<')
        return AfterAngle();
    if (c == kEnd) {
        // Stay at the end, so that asking again gives the end again.
        m_reader.UngetChar();
        return TOKEN_EOF;
    }
    if (c == '/' && !m_bCommentTag)
        return AfterSlash();
    if (m_bCommentTag)
        return InsideTag();
    return TextRun(c == '"' ? 1 : 0);
}

// No range of an earlier command may outlive it.
void QZTemplateLexer::ForgetCommand() {
    m_nFirstSemicolon = m_nSecondSemicolon = kNoSemicolon;
    m_nKeywordStart = m_nArgumentStart = m_reader.GetPosition();
    m_nKeywordLength = m_nArgumentLength = 0;
    m_nArgumentLine = m_reader.GetLine();
    m_pKeywordEntry = nullptr;
    m_bKeepWhole = FALSE;
}

int QZTemplateLexer::AfterAngle() {
    int c = m_reader.GetChar();
    if (c == '!')
        m_bCommentTag = TRUE;
    if (c == '<')
        return Command();
    if (c == '>') {
        m_bCommentTag = FALSE;
        return TOKEN_HTML;
    }
    if (c == kEnd) {
        m_reader.UngetChar();
        return TOKEN_HTML;
    }
    if (c == '/' && !m_bCommentTag)
        return AfterTagSlash();
    return InsideTag();
}

int QZTemplateLexer::InsideTag() {
    for (;;) {
        int c = m_reader.GetChar();
        if (c == '>') {
            m_bCommentTag = FALSE;
            return TOKEN_HTML;
        }
        if (c == kEnd) {
            m_reader.UngetChar();
            return TOKEN_HTML;
        }
        if (c == '<') {
            // A command may stand inside a tag's attribute: the tag's text ends before it.
            int next = m_reader.GetChar();
            m_reader.UngetChar();
            if (next == '<') {
                m_reader.UngetChar();
                return TOKEN_HTML;
            }
        }
    }
}

int QZTemplateLexer::TextRun(int quotes) {
    for (;;) {
        int c = m_reader.GetChar();
        if (c == '"') {
            quotes++;
        } else if (c == '<' || c == kEnd) {
            m_reader.UngetChar();
            return TOKEN_HTML;
        } else if (c == '/' && quotes % 2 == 0 && !m_bCommentTag && !FollowsScheme()) {
            m_reader.UngetChar();
            return TOKEN_HTML;
        }
    }
}

// True when the "/" just read belongs to a "scheme:" or "scheme://" of an address in the run.
bool QZTemplateLexer::FollowsScheme() const {
    const CString& text = m_reader.GetText();
    int start = m_reader.GetTokenStart();
    int i = m_reader.GetPosition() - 2;
    while (i > start && text.GetAt(i) == '/')
        i--;
    return i >= start && text.GetAt(i) == ':';
}

int QZTemplateLexer::AfterSlash() {
    int c = m_reader.GetChar();
    if (c == '/')
        return LineComment();
    m_reader.UngetChar();
    if (c == kEnd)
        return TOKEN_HTML;
    return TextRun(0);
}

// "//" up to and including the next line feed, or to the end of the text.
int QZTemplateLexer::LineComment() {
    for (;;) {
        int c = m_reader.GetChar();
        if (c == '\n')
            return TOKEN_COMMENT;
        if (c == kEnd) {
            m_reader.UngetChar();
            return TOKEN_COMMENT;
        }
    }
}

int QZTemplateLexer::AfterTagSlash() {
    int c = m_reader.GetChar();
    if (c == '/') {
        // "<//": the "<" alone, and a line comment follows.
        m_reader.UngetChar();
        m_reader.UngetChar();
        return TOKEN_HTML;
    }
    m_reader.UngetChar();
    return InsideTag();
}

// After "<<": the command word, then its arguments up to ">>".
int QZTemplateLexer::Command() {
    int c = kEnd;
    if (!FindWordStart(c))
        return TOKEN_IDENTIFIER;
    ReadWord(c);
    m_nKeywordLength = m_reader.GetPosition() - m_nKeywordStart;
    // Words the table does not hold are only looked up: defining them there would make them
    // variables shared by every page and macro that uses the table.
    m_pKeywordEntry = m_pKeywords->Find(GetKeywordText(), TRUE);
    return Arguments(m_pKeywordEntry != nullptr ? m_pKeywordEntry->GetKind() : TOKEN_IDENTIFIER);
}

// Skips what cannot begin a word, reporting it, up to a letter or "!" (left in `c`, the word's
// start recorded); false at the end of the text.
bool QZTemplateLexer::FindWordStart(int& c) {
    for (;;) {
        m_reader.SkipWhiteSpace();
        m_nKeywordStart = m_reader.GetPosition();
        c = m_reader.GetChar();
        // The "/" of a closing word stays in the word.
        while (c == '/')
            c = m_reader.GetChar();
        if (IsLetter(c) || c == '!')
            return true;
        if (c == kEnd) {
            m_reader.ReportError("unexpected end of file");
            m_reader.UngetChar();
            m_nKeywordStart = m_nArgumentStart = m_reader.GetPosition();
            m_bKeepWhole = TRUE;
            return false;
        }
        m_reader.ReportError("unrecognized symbol %s following '<<'",
                             CString(static_cast<char>(c)));
        m_bKeepWhole = TRUE;
    }
}

// Reads the rest of the word that `c` began and steps back to its end: one more character for
// the "!" of a comment, letters otherwise.
void QZTemplateLexer::ReadWord(int c) {
    if (c == '!') {
        m_reader.GetChar();
    } else {
        for (c = m_reader.GetChar(); IsLetter(c); c = m_reader.GetChar()) {
        }
        if (!IsSpace(c) && c != '>')
            m_reader.ReportError("white space must separate command and arguments");
    }
    m_reader.UngetChar();
}

int QZTemplateLexer::Arguments(int token) {
    m_reader.SkipWhiteSpace();
    m_nArgumentStart = m_reader.GetPosition();
    m_nArgumentLine = m_reader.GetLine();
    bool quoted = false;
    for (;;) {
        int c = m_reader.GetChar();
        if (c == kEnd) {
            m_reader.UngetChar();
            m_reader.ReportError("unexpected end of file");
            m_nArgumentLength = m_reader.GetPosition() - m_nArgumentStart;
            // Written back with its ">>", a command cut off inside a string would only grow
            // at every save: it is kept as written instead.
            if (quoted)
                m_bKeepWhole = TRUE;
            return token;
        }
        if (quoted) {
            // A doubled quote stays in the string.
            if (c == '"' && m_reader.GetChar() != '"') {
                m_reader.UngetChar();
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            RecordSemicolon();
        } else if (c == '>') {
            if (m_reader.GetChar() == '>') {
                m_nArgumentLength = m_reader.GetPosition() - 2 - m_nArgumentStart;
                return token;
            }
            m_reader.UngetChar();
        }
    }
}

// Notes the ";" just read, if it is the first or second of the arguments.
void QZTemplateLexer::RecordSemicolon() {
    int offset = m_reader.GetPosition() - 1 - m_nArgumentStart;
    if (m_nFirstSemicolon == kNoSemicolon)
        m_nFirstSemicolon = offset;
    else if (m_nSecondSemicolon == kNoSemicolon)
        m_nSecondSemicolon = offset;
}
