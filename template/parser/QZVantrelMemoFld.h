#pragma once
// The parser of page, macro, form, event, script and message text: literal HTML with commands
// between double angle brackets, being itself the top-level statement list of the text. It
// owns the tables and the state of its stages and runs them: the lexer (QZTemplateLexer) cuts
// the text into tokens, the grammar (QZTemplateGrammar) builds the tree of commands that the
// factory (QZCommandFactory) makes, and the same lexer drives the colouring pass
// (QZTemplateSegmenter), the key translation and the spell-word pass (QZSpellWordCollector).

#include "db/QZNameAndId.h"
#include "platform/core/CObList.h"
#include "platform/core/CTypedPtrList.h"
#include "template/commands/QZCommandBase.h"
#include "template/parser/QZContextStack.h"
#include "template/parser/QZTemplateLexer.h"
#include "template/parser/QZUndoRedo.h"
#include "template/parser/QZVantrelCompileContext.h"

#include <list>
#include <memory>
#include <vector>

class QZSymbol;
class SymbolTable;

class QZVantrelMemoFld : public QZVantrelCompileContext {
public:
    using SegmentList = CTypedPtrList<CObList, QZNameAndId*>;
    // The colour spans of a text: each holds a span's text and its SEGMENT_ kind.
    using ColorSpanList = std::list<QZNameAndId>;
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
    // The text cut into spans of plain text, commands (with their brackets), tags and
    // comments, in text order; the spans' texts together are the text, byte for byte, in every
    // mode. Only lexes: the statement tree stays.
    virtual ColorSpanList BuildColorSpans(const CString& text);
    // Rewrites the text with every object key mapped through the table.
    virtual void TranslateKeys(CString& text, QZKeyTable* keyTable);
    // The words of the text that the spell check is to check.
    std::vector<QZUndoRedo> CollectSpellWords(const CString& text);

    // Enters the reserved words into the keyword table.
    void RegisterKeywords();
    // The command object of the current token, appended to the context on top of the context
    // stack; none for the words that make none.
    QZCommandBase* CreateCommand();

    // What the lexer left of the current token.
    LONG GetTokenLine() const { return m_lexer.GetTokenLine(); }
    LONG GetArgumentLine() const { return m_lexer.GetArgumentLine(); }
    CString GetTokenText() const { return m_lexer.GetTokenText(); }
    CString GetKeywordText() const { return m_lexer.GetKeywordText(); }
    CString GetArgumentText() const { return m_lexer.GetArgumentText(); }
    int GetFirstSemicolon() const { return m_lexer.GetFirstSemicolon(); }
    int GetSecondSemicolon() const { return m_lexer.GetSecondSemicolon(); }
    QZSymbol* GetKeywordEntry() const { return m_lexer.GetKeywordEntry(); }
    SymbolTable* GetKeywordTable() const { return m_pKeywords; }
    BOOL IsInCommentTag() const { return m_lexer.IsInCommentTag(); }

protected:
    void CreateTables();
    void FreeTables();

private:
    friend class QZTemplateGrammar;
    friend class QZTemplateSegmenter;
    friend class QZSpellWordCollector;

    // Puts the reader at the start of `text`, outside any tag an earlier pass left open.
    void StartText(const CString& text);
    void ClearSegments();

    QZTemplateLexer m_lexer;
    QZContextStack m_contexts;
    SymbolTable* m_pKeywords = nullptr;
    BOOL m_bOwnKeywords = FALSE;
    std::unique_ptr<SymbolTable> m_pSymbols;
    SegmentList* m_pSegments = nullptr;
};
