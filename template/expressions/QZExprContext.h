#pragma once
// Compiles the expression text of one template command (the argument of print, set, if, a
// parameter list ...) into three-address statements over entries of a symbol table, and runs
// them. In the key-translation modes its lexer instead rebuilds the text token by token with
// every object-key constant mapped through the key table.

#include "template/commands/QZArgumentContext.h"
#include "template/expressions/QZConstantReader.h"

#include <memory>
#include <vector>

class QZBlockList;
class QZSymbol;
class SymbolTable;

class QZExprContext : public QZArgumentContext {
public:
    // Token numbers of the expression lexer beside those of the keyword table.
    enum : int {
        TOK_INTEGER = 106,
        TOK_ADDOP = 107,
        TOK_MULOP = 108,
        TOK_RELOP = 109,
        TOK_EQOP = 110,
        TOK_COMMA = 113,
        TOK_ASSIGN = 114,
        TOK_LPAREN = 115,
        TOK_RPAREN = 116,
        TOK_FLOAT = 117,
        TOK_STRING = 118,
        TOK_UMINUS = 119,
        TOK_CARET = 120,
        TOK_KEY = 121,
        TOK_COLON = 123,
        TOK_CURRENCY = 124,
        TOK_DATE = 125,
        TOK_DOT = 134,
        TOK_AMPERSAND = 135,
        TOK_SPAN = 137,
        TOK_DATESEP = 140,
    };
    // Operator codes of a token within its group.
    enum : int { CODE_FIRST = 100, CODE_SECOND = 101, CODE_THIRD = 102, CODE_FOURTH = 103 };
    // The deepest nesting of parentheses and call arguments that is compiled.
    static constexpr int kMaxNesting = 100;

    ~QZExprContext() override;

    void Parse(const CString& text) override;
    int NextToken() override;
    CString GetTokenName(int token) override;

    const CString& GetTranslatedText() const override { return m_translated; }
    QZSymbol* GetResult() const override { return m_pResult; }
    QZBlockList* GetResults() const override { return m_pResults.get(); }
    // Kept for every later parse: a comma only resets it for the rest of that text.
    void SetDefaultKeyType(SHORT type) override;
    SHORT GetDefaultKeyType() const { return m_nDefaultKeyType; }

    // Settings a command makes before parsing: "=" compares (if, while, repeat), "=" only
    // initialises (setdefault: 115), and literal mode with the entry that receives the value.
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
    int m_nOperatorCode = 0;
    QZSymbol* m_pResult = nullptr;
    std::unique_ptr<QZBlockList> m_pResults;
    int m_nPrevToken = -1;
    SymbolTable* m_pFieldTable = nullptr;
    BOOL m_bRhs = FALSE;
    BOOL m_bLocalAssignment = FALSE;
    CString m_translated;
    SHORT m_nDefaultKeyType = 2;
    BOOL m_bEqualsCompares = FALSE;
    BOOL m_bLiteralMode = FALSE;
    SHORT m_nAssignmentCode = 111;

private:
    // Lexer steps.
    int Peek() const;
    void SkipSpace();
    int LexIdentifier();
    int LexNumber();
    int LexKeyRest();
    int LexFraction();
    int LexString();
    int LexField();
    int LexCurrency();
    int LexDate();
    bool LexDateParts(QZConstantReader::DateParts& parts);
    bool LexTime(QZConstantReader::DateParts& parts);
    LONG ReadNumber();
    int LexOperator(int c);
    BOOL AfterOperand() const;
    CString TokenText() const;
    QZSymbol* DefineName(SymbolTable* table, const CString& name, BOOL searchParents);

    // Modes.
    void Translate();
    void TranslateToken();
    void Compile();
    void CompileLiteral();

    // Grammar levels; each returns the entry holding its value, or null after an error.
    void Advance(int expected);
    void ParseList();
    QZSymbol* ParseAssignment();
    QZSymbol* ParseOr();
    QZSymbol* ParseRightGrouping(int level);
    QZSymbol* ParseAdditive();
    QZSymbol* ParseMultiplicative();
    QZSymbol* ParseKeyPair();
    QZSymbol* ParseUnary();
    QZSymbol* ParsePostfix();
    QZSymbol* ParsePrimary();
    QZSymbol* ParseNested();
    QZBlockList* ParseArguments();
    QZSymbol* ParseLiteral();
    QZSymbol* Binary(int operation, QZSymbol* left, QZSymbol* right);
    QZSymbol* Unary(int operation, QZSymbol* operand);
    QZSymbol* NewTemp();
    void OperandExpected();

    std::unique_ptr<SymbolTable> m_pOwnTable;
    SHORT m_nConfiguredKeyType = 2;
    LONG m_nStartLine = 1;
    // The temporaries of intermediate results, in a table of the context's own: they never
    // lengthen the look-ups of names and constants in the scope. A new compilation of the
    // text uses the ones already made again.
    std::unique_ptr<SymbolTable> m_pTemps;
    std::vector<QZSymbol*> m_temps;
    size_t m_nTempsUsed = 0;
    int m_nNesting = 0;
    BOOL m_bTooDeep = FALSE;
    // List items, for the check after a run.
    int m_nItem = 0;
    int m_nReplacedItem = -1;
    std::vector<QZSymbol*> m_itemResults;
};
