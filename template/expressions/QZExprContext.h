#pragma once
// Compiles the expression text of one template command (the argument of print, set, if, a
// parameter list ...) into three-address statements over entries of a symbol table, and runs
// them. In the key-translation modes its lexer instead rebuilds the text token by token with
// every object-key constant mapped through the key table.
//
// The context holds the state of the compilation; its stages have types of their own: the
// lexer (QZExprLexer, with the operator lexer QZOperatorLexer and the constants' values from
// QZConstantReader) and the parser (QZExprParser, its binary levels in QZExprPrecedence).

#include "db/QZKeyCombo.h"
#include "template/commands/QZArgumentContext.h"
#include "template/expressions/QZExprStmt.h"
#include "template/expressions/QZExprToken.h"

#include <memory>
#include <vector>

class QZBlockList;
class QZSymbol;
class SymbolTable;

class QZExprContext : public QZArgumentContext {
public:
    ~QZExprContext() override;

    void Parse(const CString& text) override;
    // The lexer: reads the next token and sets the current entry and operator code.
    int NextToken() override;
    CString GetTokenName(int token) override;

    const CString& GetTranslatedText() const override { return m_translated; }
    QZSymbol* GetResult() const override { return m_pResult; }
    QZBlockList* GetResults() const override { return m_pResults.get(); }
    // Kept for every later parse: a comma only resets it for the rest of that text.
    void SetDefaultKeyType(SHORT type) override;
    SHORT GetDefaultKeyType() const { return m_nDefaultKeyType; }

    // Settings a command makes before parsing: "=" compares (if, while, repeat), "=" only
    // initialises (setdefault: QZExprStmt::OP_INIT), and literal mode with the entry that receives
    // the value.
    void SetEqualsCompares(BOOL compares) { m_bEqualsCompares = compares; }
    void SetAssignmentCode(SHORT code) { m_nAssignmentCode = code; }
    void SetLiteralMode(BOOL literal) { m_bLiteralMode = literal; }
    void SetResult(QZSymbol* target) { m_pResult = target; }

    // The row-field table of the innermost enclosing query, or none.
    SymbolTable* GetFieldTable() const { return m_pFieldTable; }
    BOOL IsLocalAssignment() const { return m_bLocalAssignment; }
    // What the lexer left: the entry and operator code of the current token.
    QZSymbol* GetCurrentEntry() const { return m_pCurrentEntry; }
    int GetOperatorCode() const { return m_nOperatorCode; }

    // Runs the statements; results that an assignment later in the list may have freed
    // (references and addresses into an array or record it replaced) become the error value.
    void Execute() override;
    // Called by an assignment that replaces an array or record while the list runs.
    void NoteAggregateReplaced(int item);
    // The list item whose statements are being made (parse) or run.
    int GetCurrentItem() const { return m_nItem; }

protected:
    explicit QZExprContext(QZVantrelContext* parent);

    // The table of names, constants and temporaries; made when the parent context has none.
    SymbolTable* Table();

    QZSymbol* m_pCurrentEntry = nullptr;
    int m_nOperatorCode = CODE_NONE;
    QZSymbol* m_pResult = nullptr;
    std::unique_ptr<QZBlockList> m_pResults;
    int m_nPrevToken = TOKEN_EOF;
    SymbolTable* m_pFieldTable = nullptr;
    BOOL m_bRhs = FALSE;
    BOOL m_bLocalAssignment = FALSE;
    CString m_translated;
    SHORT m_nDefaultKeyType = OBJ_PAGE;
    BOOL m_bEqualsCompares = FALSE;
    BOOL m_bLiteralMode = FALSE;
    SHORT m_nAssignmentCode = QZExprStmt::OP_ASSIGN;

private:
    // The stages work on the context's state.
    friend class QZExprLexer;
    friend class QZExprParser;

    // Modes.
    void Translate();
    void TranslateToken();
    void Compile();
    void CompileLiteral();
    // True in the key-translation modes, where the text is rebuilt as it is read.
    bool IsTranslatingText() const;

    // Appends the current token to the translated text and reads the next one when it is the
    // expected token; reports a syntax error otherwise.
    void Advance(int expected);
    CString TokenText() const;
    // A temporary for an intermediate result.
    QZSymbol* NewTemp();

    std::unique_ptr<SymbolTable> m_pOwnTable;
    SHORT m_nConfiguredKeyType = OBJ_PAGE;
    LONG m_nStartLine = 1;
    // The temporaries of intermediate results, in a table of the context's own: they never
    // lengthen the look-ups of names and constants in the scope. A new compilation of the
    // text uses the ones already made again.
    std::unique_ptr<SymbolTable> m_pTemps;
    std::vector<QZSymbol*> m_temps;
    size_t m_nTempsUsed = 0;
    // Set when the parser gives up at its nesting limit: the rest of the text is abandoned
    // without a message for every level.
    BOOL m_bTooDeep = FALSE;
    // List items, for the check after a run.
    int m_nItem = 0;
    int m_nReplacedItem = -1;
    std::vector<QZSymbol*> m_itemResults;
};
