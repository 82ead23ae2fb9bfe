#pragma once
// The block grammar of template text: reads the parser's tokens into statement lists. A simple
// command goes to the context on top of the parser's context stack; a block (if with its else,
// query with its first-row and no-rows sections, when with its cases, repeat ... until, and the
// blocks with one body) pushes each of its sections while their statements are parsed. A word
// that no rule can place is reported and kept as text, and so is a block nested too deeply.

#include "template/commands/QZCommandBase.h"

#include <memory>
#include <vector>

class QZContextStack;
class QZVantrelContext;
class QZVantrelMemoFld;
class QZVantrelStmtContext;

class QZTemplateGrammar {
public:
    // Blocks nested deeper than this are kept as text: the tree's depth bounds the stack that
    // parsing, running, writing back and freeing it take.
    static constexpr int kMaxNesting = 500;

    explicit QZTemplateGrammar(QZVantrelMemoFld& parser);
    QZTemplateGrammar(const QZTemplateGrammar&) = delete;
    QZTemplateGrammar& operator=(const QZTemplateGrammar&) = delete;
    ~QZTemplateGrammar();

    // Parses the statements from the parser's current token to the end of the text into the
    // context on top of its stack.
    void ParseProgram();

private:
    void ParseStatementList();
    static bool BeginsStatement(int token);
    static bool IsBlockOpener(int token);
    void ParseStatement();
    void ParseIf();
    void ParseSingleBody(int closer);
    void ParseQuery();
    void ParseFirstRow(QZCommandBase* command);
    void ParseNextSection(QZCommandBase* command, QZCommandBase::Section section, int opener);
    void ParseWhen();
    void ParseCase(QZCommandBase* command);
    void ParseRepeat();
    QZCommandBase* MakeRepeat(const CString& repeatWord);
    void SkipToken();
    void PushSection(QZCommandBase* command, QZCommandBase::Section section);
    void TakeCase(QZCommandBase* command, QZVantrelStmtContext* context);
    void KeepWord(QZCommandBase* command);
    void Close(QZCommandBase* command, int closer);
    int Current() const;

    QZVantrelMemoFld& m_parser;
    QZContextStack& m_stack;
    // Sections that no command took (a command without such a section); they go with the
    // grammar, once the text is parsed.
    std::vector<std::unique_ptr<QZVantrelContext>> m_orphans;
};
