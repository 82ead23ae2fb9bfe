#include "template/parser/QZTemplateGrammar.h"

#include "template/commands/QZCmdStandIn.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZContextStack.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/parser/QZVantrelStmtContext.h"

namespace {
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

QZTemplateGrammar::QZTemplateGrammar(QZVantrelMemoFld& parser)
    : m_parser(parser), m_stack(parser.m_contexts) {}

QZTemplateGrammar::~QZTemplateGrammar() = default;

int QZTemplateGrammar::Current() const {
    return m_parser.GetCurrentToken();
}

void QZTemplateGrammar::ParseProgram() {
    while (Current() != TOKEN_EOF) {
        ParseStatementList();
        if (Current() != TOKEN_EOF) {
            m_parser.ReportError("Syntax Error: unexpected %s", m_parser.GetTokenName(Current()));
            SkipToken();
        }
    }
}

void QZTemplateGrammar::ParseStatementList() {
    for (;;) {
        if (Current() == TOKEN_UNRECOGNIZED) {
            m_parser.ReportError("Lexical Error: unrecognized token %s", m_parser.GetTokenText());
            SkipToken();
        } else if (BeginsStatement(Current())) {
            ParseStatement();
        } else {
            return;
        }
    }
}

bool QZTemplateGrammar::BeginsStatement(int token) {
    switch (token) {
    case TOKEN_IDENTIFIER:
    case TOKEN_BUILTIN:
    case TOKEN_HTML:
    case TOKEN_COMMENT:
        return true;
    case TOKEN_IS:
    case TOKEN_UNTIL:
        return false;
    default:
        return IsBlockOpener(token) || QZCommandFactory::HasCommand(token);
    }
}

bool QZTemplateGrammar::IsBlockOpener(int token) {
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

void QZTemplateGrammar::ParseStatement() {
    int token = Current();
    if (IsBlockOpener(token) && m_stack.GetDepth() > kMaxNesting) {
        // Parsing, running, writing back and freeing a block each take stack in proportion
        // to its depth: deeper blocks are kept as text and not run.
        m_parser.ReportError("Syntax Error: blocks nested too deeply");
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
    m_parser.CreateCommand();
    m_parser.Match(token);
}

void QZTemplateGrammar::ParseIf() {
    QZCommandBase* command = m_parser.CreateCommand();
    PushSection(command, QZCommandBase::SECTION_BODY);
    m_parser.Match(TOKEN_IF);
    ParseStatementList();
    if (Current() == TOKEN_ELSE)
        ParseNextSection(command, QZCommandBase::SECTION_ELSE, TOKEN_ELSE);
    m_stack.Pop();
    Close(command, TOKEN_ENDIF);
}

void QZTemplateGrammar::ParseSingleBody(int closer) {
    int opener = Current();
    QZCommandBase* command = m_parser.CreateCommand();
    PushSection(command, QZCommandBase::SECTION_BODY);
    m_parser.Match(opener);
    ParseStatementList();
    m_stack.Pop();
    Close(command, closer);
}

void QZTemplateGrammar::ParseQuery() {
    QZCommandBase* command = m_parser.CreateCommand();
    PushSection(command, QZCommandBase::SECTION_BODY);
    m_parser.Match(TOKEN_QUERY);
    if (Current() == TOKEN_FIRSTROW)
        ParseFirstRow(command);
    ParseStatementList();
    if (Current() == TOKEN_NOROWS)
        ParseNextSection(command, QZCommandBase::SECTION_NOROWS, TOKEN_NOROWS);
    m_stack.Pop();
    Close(command, TOKEN_ENDQUERY);
}

// "<<firstrow>> ... <</firstrow>>" right after the query's opening; what follows it goes to the
// after-first-row section.
void QZTemplateGrammar::ParseFirstRow(QZCommandBase* command) {
    ParseNextSection(command, QZCommandBase::SECTION_FIRSTROW, TOKEN_FIRSTROW);
    m_stack.Pop();
    if (Current() == TOKEN_ENDFIRSTROW)
        KeepWord(command);
    PushSection(command, QZCommandBase::SECTION_AFTERFIRSTROW);
    m_parser.Match(TOKEN_ENDFIRSTROW);
}

// Leaves the block's current section at the word that opens the next (else, firstrow,
// norows), keeping the word, and parses the statements of that section.
void QZTemplateGrammar::ParseNextSection(QZCommandBase* command, QZCommandBase::Section section,
                                         int opener) {
    m_stack.Pop();
    KeepWord(command);
    PushSection(command, section);
    m_parser.Match(opener);
    ParseStatementList();
}

void QZTemplateGrammar::ParseWhen() {
    QZCommandBase* command = m_parser.CreateCommand();
    auto* first = new QZVantrelStmtContext(m_stack.Top(), command);
    TakeCase(command, first);
    m_stack.Push(first);
    m_parser.Match(TOKEN_WHEN);
    // At most one text run or tag may stand before the first case.
    if (Current() == TOKEN_HTML) {
        m_parser.CreateCommand();
        m_parser.Match(TOKEN_HTML);
    }
    while (Current() == TOKEN_IS)
        ParseCase(command);
    m_stack.Pop();
    Close(command, TOKEN_ENDWHEN);
}

// One "<<is>>" of a when: a new case section holding the case command and its statements.
void QZTemplateGrammar::ParseCase(QZCommandBase* command) {
    m_stack.Pop();
    auto* next = new QZVantrelStmtContext(m_stack.Top(), command);
    TakeCase(command, next);
    m_stack.Push(next);
    m_parser.CreateCommand();
    m_parser.Match(TOKEN_IS);
    ParseStatementList();
}

void QZTemplateGrammar::ParseRepeat() {
    auto* body = new QZVantrelStmtContext(m_stack.Top(), nullptr);
    m_stack.Push(body);
    CString repeatWord = m_parser.GetTokenText();
    m_parser.Match(TOKEN_REPEAT);
    ParseStatementList();
    m_stack.Pop();
    QZCommandBase* command = MakeRepeat(repeatWord);
    if (command == nullptr || !command->SetBody(body))
        m_orphans.emplace_back(body);
    m_parser.Match(TOKEN_UNTIL);
}

// The command that the until-word makes, keeping the repeat-word too.
QZCommandBase* QZTemplateGrammar::MakeRepeat(const CString& repeatWord) {
    if (Current() != TOKEN_UNTIL) {
        // No until: the loop cannot run, but its text is kept.
        return new QZCmdStandIn(m_stack.Top(), TOKEN_REPEAT, repeatWord);
    }
    QZCommandBase* command = m_parser.CreateCommand();
    if (command != nullptr)
        command->KeepWord(TOKEN_REPEAT, repeatWord);
    return command;
}

// A word the grammar cannot place is reported by the caller and skipped; its text is kept so
// that writing the page back does not drop it.
void QZTemplateGrammar::SkipToken() {
    new QZCmdStandIn(m_stack.Top(), Current(), m_parser.GetTokenText());
    m_parser.m_nCurrentToken = m_parser.NextToken();
}

void QZTemplateGrammar::PushSection(QZCommandBase* command, QZCommandBase::Section section) {
    QZVantrelStmtContext* context = command != nullptr ? command->GetSection(section) : nullptr;
    if (context == nullptr) {
        context = new QZVantrelStmtContext(m_stack.Top(), command);
        m_orphans.emplace_back(context);
    }
    m_stack.Push(context);
}

void QZTemplateGrammar::TakeCase(QZCommandBase* command, QZVantrelStmtContext* context) {
    if (command == nullptr || !command->AddCase(context))
        m_orphans.emplace_back(context);
}

void QZTemplateGrammar::KeepWord(QZCommandBase* command) {
    if (command != nullptr)
        command->KeepWord(Current(), m_parser.GetTokenText());
}

void QZTemplateGrammar::Close(QZCommandBase* command, int closer) {
    if (Current() == closer)
        KeepWord(command);
    m_parser.Match(closer);
}
