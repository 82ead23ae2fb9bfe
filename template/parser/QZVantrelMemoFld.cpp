#include "template/parser/QZVantrelMemoFld.h"

#include "template/commands/QZCmdComment.h"
#include "template/commands/QZCmdGeneric.h"
#include "template/commands/QZCmdHTML.h"
#include "template/commands/QZCmdParam.h"
#include "template/commands/QZCmdStandIn.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZKeywordTable.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cctype>

namespace {
bool IsLetter(int c) {
    return c != 0 && std::isalpha(c);
}
bool IsSpace(int c) {
    return c != 0 && std::isspace(c);
}

// The blocks with one body, each with the word that closes it.
struct SingleBodyBlock {
    int opener;
    int closer;
};
constexpr SingleBodyBlock kSingleBodyBlocks[] = {
    {TOKEN_EXTLINK, TOKEN_ENDEXTLINK}, {TOKEN_WHILE, TOKEN_ENDWHILE},
    {TOKEN_LINK, TOKEN_ENDLINK},       {TOKEN_GROUP, TOKEN_ENDGROUP},
    {TOKEN_ENCRYPT, TOKEN_ENDENCRYPT}, {TOKEN_FOR, TOKEN_ENDFOR},
    {TOKEN_MEDIA, TOKEN_ENDMEDIA},     {TOKEN_JAVA, TOKEN_ENDJAVA},
    {TOKEN_ACTIVEX, TOKEN_ENDACTIVEX},
};

// The word that closes a one-body block opened by the token; 0 for any other token.
int SingleBodyCloser(int token) {
    for (const SingleBodyBlock& block : kSingleBodyBlocks)
        if (block.opener == token)
            return block.closer;
    return 0;
}
} // namespace

QZVantrelMemoFld::QZVantrelMemoFld(QZVantrelContext* parent) : QZVantrelCompileContext(parent) {
    CreateTables();
}

QZVantrelMemoFld::~QZVantrelMemoFld() {
    // The statements go before the tables whose entries they name.
    DeleteStatements();
    ClearSegments();
    delete m_pSegments;
    FreeTables();
}

// ---- Tables ----

void QZVantrelMemoFld::CreateTables() {
    SymbolTable* scope = nullptr;
    if (m_pParent != nullptr) {
        QZTemplateRunOwner* owner = m_pParent->GetRunOwner();
        QZVantrelMemoFld* ownerParser = owner != nullptr ? owner->GetParser() : nullptr;
        if (ownerParser != nullptr && ownerParser != this)
            m_pKeywords = ownerParser->GetKeywordTable();
        scope = m_pParent->GetSymbolTable();
    }
    if (m_pKeywords == nullptr) {
        m_pKeywords = new SymbolTable(nullptr);
        m_bOwnKeywords = TRUE;
        RegisterKeywords();
    }
    m_pSymbols = std::make_unique<SymbolTable>(scope != nullptr ? scope : m_pKeywords);
    m_pSymbolTable = m_pSymbols.get();
}

void QZVantrelMemoFld::FreeTables() {
    m_pSymbols.reset();
    m_pSymbolTable = nullptr;
    if (m_bOwnKeywords)
        delete m_pKeywords;
    m_pKeywords = nullptr;
    m_bOwnKeywords = FALSE;
}

void QZVantrelMemoFld::RegisterKeywords() {
    QZKeywordTable::Fill(*m_pKeywords);
}

// ---- Lexer ----

CString QZVantrelMemoFld::GetTokenText() const {
    return m_text.Mid(m_nTokenStart, m_nPosition - m_nTokenStart);
}

CString QZVantrelMemoFld::GetKeywordText() const {
    return m_text.Mid(m_nKeywordStart, m_nKeywordLength);
}

CString QZVantrelMemoFld::GetArgumentText() const {
    return m_text.Mid(m_nArgumentStart, m_nArgumentLength);
}

int QZVantrelMemoFld::NextToken() {
    m_nTokenStart = m_nPosition;
    m_nTokenLine = m_nLine;
    m_nFirstSemicolon = m_nSecondSemicolon = -1;
    // No range of an earlier command may outlive it.
    m_nKeywordStart = m_nArgumentStart = m_nPosition;
    m_nKeywordLength = m_nArgumentLength = 0;
    m_nArgumentLine = m_nLine;
    m_pKeywordEntry = nullptr;
    m_bKeepWhole = FALSE;

    int c = GetChar();
    if (c == '<')
        return AfterAngle();
    if (c == 0) {
        // Stay at the end, so that asking again gives the end again.
        UngetChar();
        return TOKEN_EOF;
    }
    if (c == '/' && !m_bCommentTag)
        return AfterSlash();
    if (m_bCommentTag)
        return InsideTag();
    return TextRun(c == '"' ? 1 : 0);
}

int QZVantrelMemoFld::AfterAngle() {
    int c = GetChar();
    if (c == '!')
        m_bCommentTag = TRUE;
    if (c == '<')
        return Command();
    if (c == '>') {
        m_bCommentTag = FALSE;
        return TOKEN_HTML;
    }
    if (c == 0) {
        UngetChar();
        return TOKEN_HTML;
    }
    if (c == '/' && !m_bCommentTag)
        return AfterTagSlash();
    return InsideTag();
}

int QZVantrelMemoFld::InsideTag() {
    for (;;) {
        int c = GetChar();
        if (c == '>') {
            m_bCommentTag = FALSE;
            return TOKEN_HTML;
        }
        if (c == 0) {
            UngetChar();
            return TOKEN_HTML;
        }
        if (c == '<') {
            // A command may stand inside a tag's attribute: the tag's text ends before it.
            int next = GetChar();
            UngetChar();
            if (next == '<') {
                UngetChar();
                return TOKEN_HTML;
            }
        }
    }
}

int QZVantrelMemoFld::TextRun(int quotes) {
    for (;;) {
        int c = GetChar();
        if (c == '"') {
            quotes++;
        } else if (c == '<' || c == 0) {
            UngetChar();
            return TOKEN_HTML;
        } else if (c == '/' && quotes % 2 == 0 && !m_bCommentTag && !FollowsScheme()) {
            UngetChar();
            return TOKEN_HTML;
        }
    }
}

// True when the "/" just read belongs to a "scheme:" or "scheme://" of an address in the run.
bool QZVantrelMemoFld::FollowsScheme() const {
    int i = m_nPosition - 2;
    while (i > m_nTokenStart && m_text.GetAt(i) == '/')
        i--;
    return i >= m_nTokenStart && m_text.GetAt(i) == ':';
}

int QZVantrelMemoFld::AfterSlash() {
    int c = GetChar();
    if (c == '/') {
        for (;;) {
            int d = GetChar();
            if (d == '\n')
                return TOKEN_COMMENT;
            if (d == 0) {
                UngetChar();
                return TOKEN_COMMENT;
            }
        }
    }
    UngetChar();
    if (c == 0)
        return TOKEN_HTML;
    return TextRun(0);
}

int QZVantrelMemoFld::AfterTagSlash() {
    int c = GetChar();
    if (c == '/') {
        // "<//": the "<" alone, and a line comment follows.
        UngetChar();
        UngetChar();
        return TOKEN_HTML;
    }
    UngetChar();
    return InsideTag();
}

int QZVantrelMemoFld::Command() {
    int c = 0;
    for (;;) {
        SkipWhiteSpace();
        m_nKeywordStart = m_nPosition;
        c = GetChar();
        while (c == '/')
            c = GetChar();
        if (IsLetter(c) || c == '!')
            break;
        if (c == 0) {
            ReportError("unexpected end of file");
            UngetChar();
            m_nKeywordStart = m_nArgumentStart = m_nPosition;
            m_bKeepWhole = TRUE;
            return TOKEN_IDENTIFIER;
        }
        ReportError("unrecognized symbol %s following '<<'", CString(static_cast<char>(c)));
        m_bKeepWhole = TRUE;
    }
    if (c == '!') {
        GetChar();
    } else {
        for (c = GetChar(); IsLetter(c); c = GetChar()) {
        }
        if (!IsSpace(c) && c != '>')
            ReportError("white space must separate command and arguments");
    }
    UngetChar();
    m_nKeywordLength = m_nPosition - m_nKeywordStart;
    // Words the table does not hold are only looked up: defining them there would make them
    // variables shared by every page and macro that uses the table.
    m_pKeywordEntry = m_pKeywords->Find(GetKeywordText(), TRUE);
    return Arguments(m_pKeywordEntry != nullptr ? m_pKeywordEntry->GetKind() : TOKEN_IDENTIFIER);
}

int QZVantrelMemoFld::Arguments(int token) {
    SkipWhiteSpace();
    m_nArgumentStart = m_nPosition;
    m_nArgumentLine = m_nLine;
    bool quoted = false;
    for (;;) {
        int c = GetChar();
        if (c == 0) {
            UngetChar();
            ReportError("unexpected end of file");
            m_nArgumentLength = m_nPosition - m_nArgumentStart;
            // Written back with its ">>", a command cut off inside a string would only grow
            // at every save: it is kept as written instead.
            if (quoted)
                m_bKeepWhole = TRUE;
            return token;
        }
        if (quoted) {
            if (c == '"') {
                if (GetChar() != '"') {
                    UngetChar();
                    quoted = false;
                }
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            int offset = m_nPosition - 1 - m_nArgumentStart;
            if (m_nFirstSemicolon < 0)
                m_nFirstSemicolon = offset;
            else if (m_nSecondSemicolon < 0)
                m_nSecondSemicolon = offset;
        } else if (c == '>') {
            if (GetChar() == '>') {
                m_nArgumentLength = m_nPosition - 2 - m_nArgumentStart;
                return token;
            }
            UngetChar();
        }
    }
}

CString QZVantrelMemoFld::GetTokenName(int token) {
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

// ---- Command factory ----

QZCommandBase* QZVantrelMemoFld::CreateCommand() {
    QZVantrelContext* context = Top();
    int token = m_nCurrentToken;
    switch (token) {
    case TOKEN_HTML:
        return new QZCmdHTML(context, GetTokenText());
    case TOKEN_COMMENT:
        if (!m_bKeepWhole)
            return new QZCmdComment(context, GetTokenText());
        break;
    case TOKEN_IDENTIFIER:
    case TOKEN_BUILTIN:
        ReportError("warning: unrecognized\tMarquill command %s", GetKeywordText());
        if (!m_bKeepWhole)
            return new QZCmdGeneric(context, GetKeywordText(), GetArgumentText());
        break;
    default:
        if (!QZCommandFactory::HasCommand(token))
            return nullptr;
        if (m_bKeepWhole)
            break;
        if (QZCommandFactory::Maker maker = QZCommandFactory::Find(token))
            return maker(context, GetArgumentText());
        if (token == TOKEN_PARAM)
            return new QZCmdParam(context, GetArgumentText());
        break;
    }
    // Not linked in yet, or a command that cannot be written back as it was read (characters
    // skipped before its word, or cut off inside a string): kept whole.
    return new QZCmdStandIn(context, token, GetTokenText());
}

// ---- Grammar ----

void QZVantrelMemoFld::Parse(const CString& text) {
    m_bCommentTag = FALSE;
    DeleteStatements();
    m_text = text;
    m_nLine = 1;
    m_nPosition = 0;
    m_bError = FALSE;
    ResetContextStack();
    Push(this);
    m_nCurrentToken = NextToken();
    ParseProgram();
    Pop();
    m_orphans.clear();
}

void QZVantrelMemoFld::ParseProgram() {
    while (m_nCurrentToken != TOKEN_EOF) {
        ParseStatementList();
        if (m_nCurrentToken != TOKEN_EOF) {
            ReportError("Syntax Error: unexpected %s", GetTokenName(m_nCurrentToken));
            SkipToken();
        }
    }
}

void QZVantrelMemoFld::ParseStatementList() {
    for (;;) {
        if (m_nCurrentToken == TOKEN_UNRECOGNIZED) {
            ReportError("Lexical Error: unrecognized token %s", GetTokenText());
            SkipToken();
        } else if (BeginsStatement(m_nCurrentToken)) {
            ParseStatement();
        } else {
            return;
        }
    }
}

bool QZVantrelMemoFld::BeginsStatement(int token) {
    switch (token) {
    case TOKEN_IDENTIFIER:
    case TOKEN_BUILTIN:
    case TOKEN_HTML:
    case TOKEN_COMMENT:
    case TOKEN_IF:
    case TOKEN_EXTLINK:
    case TOKEN_WHILE:
    case TOKEN_QUERY:
    case TOKEN_LINK:
    case TOKEN_GROUP:
    case TOKEN_WHEN:
    case TOKEN_ENCRYPT:
    case TOKEN_FOR:
    case TOKEN_REPEAT:
    case TOKEN_MEDIA:
    case TOKEN_JAVA:
    case TOKEN_ACTIVEX:
        return true;
    case TOKEN_IS:
    case TOKEN_UNTIL:
        return false;
    default:
        return QZCommandFactory::HasCommand(token);
    }
}

void QZVantrelMemoFld::ParseStatement() {
    int token = m_nCurrentToken;
    if (IsBlockOpener(token) && static_cast<int>(m_stack.size()) > kMaxNesting) {
        // Parsing, running, writing back and freeing a block each take stack in proportion
        // to its depth: deeper blocks are kept as text and not run.
        ReportError("Syntax Error: blocks nested too deeply");
        SkipToken();
        return;
    }
    switch (token) {
    case TOKEN_IF:
        return ParseIf();
    case TOKEN_QUERY:
        return ParseQuery();
    case TOKEN_WHEN:
        return ParseWhen();
    case TOKEN_REPEAT:
        return ParseRepeat();
    default:
        break;
    }
    if (int closer = SingleBodyCloser(token))
        return ParseSingleBody(closer);
    CreateCommand();
    Match(token);
}

bool QZVantrelMemoFld::IsBlockOpener(int token) {
    switch (token) {
    case TOKEN_IF:
    case TOKEN_QUERY:
    case TOKEN_WHEN:
    case TOKEN_REPEAT:
        return true;
    default:
        return SingleBodyCloser(token) != 0;
    }
}

void QZVantrelMemoFld::ParseIf() {
    QZCommandBase* command = CreateCommand();
    PushSection(command, QZCommandBase::SECTION_BODY);
    Match(TOKEN_IF);
    ParseStatementList();
    if (m_nCurrentToken == TOKEN_ELSE) {
        ParseNextSection(command, QZCommandBase::SECTION_ELSE, TOKEN_ELSE);
    }
    Pop();
    Close(command, TOKEN_ENDIF);
}

void QZVantrelMemoFld::ParseSingleBody(int closer) {
    int opener = m_nCurrentToken;
    QZCommandBase* command = CreateCommand();
    PushSection(command, QZCommandBase::SECTION_BODY);
    Match(opener);
    ParseStatementList();
    Pop();
    Close(command, closer);
}

void QZVantrelMemoFld::ParseQuery() {
    QZCommandBase* command = CreateCommand();
    PushSection(command, QZCommandBase::SECTION_BODY);
    Match(TOKEN_QUERY);
    if (m_nCurrentToken == TOKEN_FIRSTROW) {
        ParseNextSection(command, QZCommandBase::SECTION_FIRSTROW, TOKEN_FIRSTROW);
        Pop();
        if (m_nCurrentToken == TOKEN_ENDFIRSTROW)
            KeepWord(command);
        PushSection(command, QZCommandBase::SECTION_AFTERFIRSTROW);
        Match(TOKEN_ENDFIRSTROW);
    }
    ParseStatementList();
    if (m_nCurrentToken == TOKEN_NOROWS) {
        ParseNextSection(command, QZCommandBase::SECTION_NOROWS, TOKEN_NOROWS);
    }
    Pop();
    Close(command, TOKEN_ENDQUERY);
}

// Leaves the block's current section at the word that opens the next (else, firstrow,
// norows), keeping the word, and parses the statements of that section.
void QZVantrelMemoFld::ParseNextSection(QZCommandBase* command, QZCommandBase::Section section,
                                        int opener) {
    Pop();
    KeepWord(command);
    PushSection(command, section);
    Match(opener);
    ParseStatementList();
}

void QZVantrelMemoFld::ParseWhen() {
    QZCommandBase* command = CreateCommand();
    auto* first = new QZVantrelStmtContext(Top(), command);
    TakeCase(command, first);
    Push(first);
    Match(TOKEN_WHEN);
    // At most one text run or tag may stand before the first case.
    if (m_nCurrentToken == TOKEN_HTML) {
        CreateCommand();
        Match(TOKEN_HTML);
    }
    while (m_nCurrentToken == TOKEN_IS) {
        Pop();
        auto* next = new QZVantrelStmtContext(Top(), command);
        TakeCase(command, next);
        Push(next);
        CreateCommand();
        Match(TOKEN_IS);
        ParseStatementList();
    }
    Pop();
    Close(command, TOKEN_ENDWHEN);
}

void QZVantrelMemoFld::ParseRepeat() {
    auto* body = new QZVantrelStmtContext(Top(), nullptr);
    Push(body);
    CString repeatWord = GetTokenText();
    Match(TOKEN_REPEAT);
    ParseStatementList();
    Pop();
    QZCommandBase* command;
    if (m_nCurrentToken == TOKEN_UNTIL) {
        command = CreateCommand();
        if (command != nullptr)
            command->KeepWord(TOKEN_REPEAT, repeatWord);
    } else {
        // No until: the loop cannot run, but its text is kept.
        command = new QZCmdStandIn(Top(), TOKEN_REPEAT, repeatWord);
    }
    if (command == nullptr || !command->SetBody(body))
        m_orphans.emplace_back(body);
    Match(TOKEN_UNTIL);
}

// A word the grammar cannot place is reported by the caller and skipped; its text is kept so
// that writing the page back does not drop it.
void QZVantrelMemoFld::SkipToken() {
    new QZCmdStandIn(Top(), m_nCurrentToken, GetTokenText());
    m_nCurrentToken = NextToken();
}

void QZVantrelMemoFld::PushSection(QZCommandBase* command, QZCommandBase::Section section) {
    QZVantrelStmtContext* context = command != nullptr ? command->GetSection(section) : nullptr;
    if (context == nullptr) {
        context = new QZVantrelStmtContext(Top(), command);
        m_orphans.emplace_back(context);
    }
    Push(context);
}

void QZVantrelMemoFld::TakeCase(QZCommandBase* command, QZVantrelStmtContext* context) {
    if (command == nullptr || !command->AddCase(context))
        m_orphans.emplace_back(context);
}

void QZVantrelMemoFld::KeepWord(QZCommandBase* command) {
    if (command != nullptr)
        command->KeepWord(m_nCurrentToken, GetTokenText());
}

void QZVantrelMemoFld::Close(QZCommandBase* command, int closer) {
    if (m_nCurrentToken == closer)
        KeepWord(command);
    Match(closer);
}

void QZVantrelMemoFld::ResetContextStack() {
    m_stack.clear();
}

QZVantrelContext* QZVantrelMemoFld::Pop() {
    if (m_stack.empty())
        return nullptr;
    QZVantrelContext* top = m_stack.back();
    m_stack.pop_back();
    return top;
}

QZVantrelContext* QZVantrelMemoFld::Top() const {
    return m_stack.empty() ? const_cast<QZVantrelMemoFld*>(this) : m_stack.back();
}

// ---- Segments, key translation and spell words ----

void QZVantrelMemoFld::ClearSegments() {
    if (m_pSegments == nullptr)
        return;
    while (!m_pSegments->IsEmpty())
        delete m_pSegments->RemoveHead();
}

void QZVantrelMemoFld::Segment(const CString& text) {
    m_nLine = 1;
    DeleteStatements();
    ClearSegments();
    delete m_pSegments;
    m_pSegments = new SegmentList;
    m_text = text;
    m_nPosition = 0;
    // A tag left open by an earlier pass must not colour this text.
    m_bCommentTag = FALSE;
    ResetContextStack();
    Push(this);
    for (m_nCurrentToken = NextToken(); m_nCurrentToken != TOKEN_EOF;
         m_nCurrentToken = NextToken()) {
        m_bError = FALSE;
        CString tokenText = GetTokenText();
        LONG kind = SEGMENT_COMMAND;
        CString segment = tokenText;
        if (m_nCurrentToken == TOKEN_HTML) {
            bool tag = tokenText.Left(1) == "<" || tokenText.Right(1) == ">";
            kind = tag ? SEGMENT_TAG : SEGMENT_TEXT;
        } else if (m_nCurrentToken == TOKEN_COMMENT) {
            kind = SEGMENT_COMMENT;
        } else if (m_nMode == MODE_FIRST || m_nMode == MODE_REWRITE) {
            if (QZCommandBase* command = CreateCommand()) {
                segment.Empty();
                command->WriteSource(segment);
            }
        }
        m_pSegments->AddTail(new QZNameAndId(segment, kind));
    }
    Pop();
}

QZVantrelMemoFld::SegmentList* QZVantrelMemoFld::GetSegments(const CString& text) {
    Segment(CString(text));
    return m_pSegments;
}

void QZVantrelMemoFld::TranslateKeys(CString& text, QZKeyTable* keyTable) {
    m_pKeyTable = keyTable;
    SHORT mode = m_nMode;
    m_nMode = MODE_REWRITE;
    m_bTranslate = TRUE;
    Parse(text);
    CString rewritten;
    WriteSource(rewritten);
    text = rewritten;
    m_bTranslate = FALSE;
    m_nMode = mode;
}

std::vector<QZSpellWord> QZVantrelMemoFld::CollectSpellWords(const CString& text) {
    std::vector<QZSpellWord> words;
    m_nLine = 1;
    m_text = text;
    m_nPosition = 0;
    // A tag left open by an earlier pass must not hide words of this text.
    m_bCommentTag = FALSE;
    for (int token = NextToken(); token != TOKEN_EOF; token = NextToken()) {
        m_bError = FALSE;
        CString tokenText = GetTokenText();
        int start = m_nTokenStart;
        if (token == TOKEN_HTML) {
            if (tokenText.Left(1) != "<" && tokenText.Right(1) != ">")
                CutWords(m_text, start, start + tokenText.GetLength(), words);
        } else if (token == TOKEN_COMMENT) {
            CutWords(m_text, start, start + tokenText.GetLength(), words);
        } else {
            // Only the double-quoted strings of a command are prose.
            int end = start + tokenText.GetLength();
            int i = start;
            while (i < end) {
                if (m_text.GetAt(i) != '"') {
                    i++;
                    continue;
                }
                int close = i + 1;
                for (; close < end; close++) {
                    if (m_text.GetAt(close) != '"')
                        continue;
                    if (close + 1 < end && m_text.GetAt(close + 1) == '"')
                        close++;
                    else
                        break;
                }
                CutWords(m_text, i + 1, close, words);
                i = close + 1;
            }
        }
    }
    return words;
}

void QZVantrelMemoFld::CutWords(const CString& text, int from, int to,
                                std::vector<QZSpellWord>& words) {
    auto isAsciiLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    int i = from;
    while (i < to) {
        while (i < to && !isAsciiLetter(text.GetAt(i)))
            i++;
        int first = i;
        while (i < to && isAsciiLetter(text.GetAt(i)))
            i++;
        if (i > first)
            words.push_back(QZSpellWord{text.Mid(first, i - first), first, i - 1});
    }
}
