#pragma once
// The parser of page, macro, form, event, script and message text: literal HTML with commands
// between double angle brackets. It cuts the text into tokens and parses them into a tree of
// commands, being itself the top-level statement list of the text; the same lexer splits the
// text into coloured segments for the editor, rewrites it with translated object keys and
// collects the words for the spell check.

#include "db/QZNameAndId.h"
#include "platform/core/CObList.h"
#include "platform/core/CTypedPtrList.h"
#include "template/commands/QZCommandBase.h"
#include "template/parser/QZSpellWord.h"
#include "template/parser/QZVantrelCompileContext.h"

#include <memory>
#include <vector>

class QZSymbol;
class QZVantrelStmtContext;
class SymbolTable;

class QZVantrelMemoFld : public QZVantrelCompileContext {
public:
    using SegmentList = CTypedPtrList<CObList, QZNameAndId*>;
    // Blocks nested deeper than this are kept as text: the tree's depth bounds the stack that
    // parsing, running, writing back and freeing it take.
    static constexpr int kMaxNesting = 500;
    // Segment kinds.
    enum : LONG { SEGMENT_TEXT = 0, SEGMENT_COMMAND = 1, SEGMENT_TAG = 2, SEGMENT_COMMENT = 3 };

    // Takes the owners and mode of the parent, if any, and makes the tables.
    explicit QZVantrelMemoFld(QZVantrelContext* parent = nullptr);
    ~QZVantrelMemoFld() override;

    // Replaces the statement tree by the one of `text`. Errors are reported (delivered in
    // mode 4 only) and parsing goes on.
    void Parse(const CString& text) override;
    // The lexer: the next token's number, leaving its source ranges in the parser.
    int NextToken() override;
    CString GetTokenName(int token) override;

    // Rebuilds the segment list of the text (kinds SEGMENT_*).
    virtual void Segment(const CString& text);
    // The segment list of the text; the parser owns it.
    virtual SegmentList* GetSegments(const CString& text);
    // Rewrites the text with every object key mapped through the table.
    virtual void TranslateKeys(CString& text, QZKeyTable* keyTable);
    // The words of the text that the spell check is to check.
    std::vector<QZSpellWord> CollectSpellWords(const CString& text);

    // Enters the reserved words into the keyword table.
    void RegisterKeywords();
    // The command object of the current token, appended to the context on top of the context
    // stack; none for the words that make none.
    QZCommandBase* CreateCommand();

    // What the lexer left of the current token.
    LONG GetTokenLine() const { return m_nTokenLine; }
    LONG GetArgumentLine() const { return m_nArgumentLine; }
    CString GetTokenText() const;
    CString GetKeywordText() const;
    CString GetArgumentText() const;
    int GetFirstSemicolon() const { return m_nFirstSemicolon; }
    int GetSecondSemicolon() const { return m_nSecondSemicolon; }
    QZSymbol* GetKeywordEntry() const { return m_pKeywordEntry; }
    SymbolTable* GetKeywordTable() const { return m_pKeywords; }
    BOOL IsInCommentTag() const { return m_bCommentTag; }

protected:
    void CreateTables();
    void FreeTables();

private:
    // Lexer steps.
    int AfterAngle();
    int InsideTag();
    int TextRun(int quotes);
    int AfterSlash();
    int AfterTagSlash();
    int Command();
    int Arguments(int token);
    bool FollowsScheme() const;

    // Grammar.
    void ParseProgram();
    void ParseStatementList();
    static bool BeginsStatement(int token);
    static bool IsBlockOpener(int token);
    void ParseStatement();
    void ParseIf();
    void ParseSingleBody(int closer);
    void ParseQuery();
    void ParseNextSection(QZCommandBase* command, QZCommandBase::Section section, int opener);
    void ParseWhen();
    void ParseRepeat();
    void SkipToken();
    void PushSection(QZCommandBase* command, QZCommandBase::Section section);
    void TakeCase(QZCommandBase* command, QZVantrelStmtContext* context);
    void KeepWord(QZCommandBase* command);
    void Close(QZCommandBase* command, int closer);
    void ResetContextStack();
    void Push(QZVantrelContext* context) { m_stack.push_back(context); }
    QZVantrelContext* Pop();
    QZVantrelContext* Top() const;

    void ClearSegments();
    static void CutWords(const CString& text, int from, int to, std::vector<QZSpellWord>& words);

    QZSymbol* m_pKeywordEntry = nullptr;
    LONG m_nTokenLine = 1;
    LONG m_nArgumentLine = 1;
    std::vector<QZVantrelContext*> m_stack;
    int m_nArgumentStart = 0;
    int m_nArgumentLength = 0;
    int m_nKeywordStart = 0;
    int m_nKeywordLength = 0;
    int m_nFirstSemicolon = -1;
    int m_nSecondSemicolon = -1;
    SymbolTable* m_pKeywords = nullptr;
    BOOL m_bOwnKeywords = FALSE;
    std::unique_ptr<SymbolTable> m_pSymbols;
    SegmentList* m_pSegments = nullptr;
    BOOL m_bCommentTag = FALSE;
    // Set when the current command token cannot be rebuilt from its word and arguments (the
    // lexer skipped characters of it, or it ends inside a string): it is then kept whole.
    BOOL m_bKeepWhole = FALSE;
    // Sections that no command took (a command without such a section); freed after Parse.
    std::vector<std::unique_ptr<QZVantrelContext>> m_orphans;
};
