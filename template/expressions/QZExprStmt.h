#pragma once
// One three-address statement of a compiled expression: an operation whose value goes to a
// result entry of the symbol table. Statements are commands, so the expression context keeps
// them in its statement list like any other; running the list evaluates the expression.

#include "template/commands/QZCommandBase.h"

class QZExprContext;
class QZSymbol;

class QZExprStmt : public QZCommandBase {
    DECLARE_DYNAMIC(QZExprStmt)
public:
    // Operation codes.
    enum : int {
        OP_ADD = 100,
        OP_SUB = 101,
        OP_MUL = 102,
        OP_DIV = 103,
        OP_EQ = 104,
        OP_NE = 105,
        OP_LT = 106,
        OP_LE = 107,
        OP_GT = 108,
        OP_GE = 109,
        OP_MOD = 110,
        OP_ASSIGN = 111,
        OP_AND = 112,
        OP_OR = 113,
        OP_INIT = 115,
        OP_NEGATE = 116,
        OP_POWER = 117,
        OP_KEY = 118,
        OP_DEREF = 119,
        OP_MEMBER = 120,
        OP_ADDRESS = 121,
        OP_NOT = 122,
        OP_FIELD = 123,
    };
    // Sizes beyond which a string or an array is not grown, with an error instead.
    static constexpr int kMaxStringLength = 16 * 1024 * 1024;
    static constexpr LONG kMaxArrayIndex = 65536;
    // The most entries, at every depth, that assigning an array or record copies: a copy of
    // a container into itself doubles it.
    static constexpr LONG kMaxCopiedEntries = 65536;

    // Appends the statement to the context's list, with the context's current line.
    QZExprStmt(QZExprContext* context, int operation, QZSymbol* result);

    // Nothing here; each kind of statement evaluates its own operation.
    void Execute() override {}

    int GetOperation() const { return m_nOperation; }
    QZSymbol* GetResultEntry() const { return m_pResultEntry; }
    QZExprContext* GetOwningContext() const { return m_pOwningContext; }

protected:
    // The result becomes the string "!Error!".
    void SetErrorValue(QZSymbol* entry);
    // Tells the context when the entry about to be written holds an array or record, whose
    // entries earlier results of the list may designate.
    void Replacing(const QZSymbol* entry);
    // A variable or temporary, as opposed to a literal constant or a reserved word.
    static BOOL IsVariable(const QZSymbol* entry);
    // The entry a reference designates, or the entry itself; null for a reference to nothing.
    static QZSymbol* Follow(QZSymbol* entry);

    int m_nOperation;
    QZSymbol* m_pResultEntry;
    QZExprContext* m_pOwningContext;
    // The list item (counted from 0) the statement belongs to.
    int m_nItem;
};
