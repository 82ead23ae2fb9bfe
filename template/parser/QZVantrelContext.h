#pragma once
// A statement list together with what its statements need to run: the scope of their
// variables, the objects that own the text, the mode it was parsed in and the error state.
// Running a page is running the statement list of its parser.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZCommandBase;
class QZKeyTable;
class QZTemplateRunOwner;
class SymbolTable;

class QZVantrelContext {
public:
    // Parser modes.
    enum : SHORT { MODE_FIRST = 1, MODE_PLAIN = 2, MODE_REWRITE = 3, MODE_GENERATE = 4 };

    // With a parent, takes its owners, enclosing query context, translate flag, key table and
    // mode; without one, starts in mode 2 with none of them.
    explicit QZVantrelContext(QZVantrelContext* parent = nullptr);
    virtual ~QZVantrelContext();
    QZVantrelContext(const QZVantrelContext&) = delete;
    QZVantrelContext& operator=(const QZVantrelContext&) = delete;

    // Runs the statements in order (their action pass for a form or event that runs on behalf
    // of a calling context), then counts one run in the run owner.
    virtual void Execute();
    // Appends the source text of every statement, in order.
    virtual void WriteSource(CString& text);

    // Appends a command at the tail; the context owns it from then on.
    void AddStatement(QZCommandBase* command);
    // Deletes the whole statement list, one command at a time, so that a long page does not
    // nest one destructor call per statement.
    void DeleteStatements();
    QZCommandBase* GetFirstStatement() const { return m_pHead; }

    QZVantrelContext* GetParent() const { return m_pParent; }
    SymbolTable* GetSymbolTable() const { return m_pSymbolTable; }
    void SetSymbolTable(SymbolTable* table) { m_pSymbolTable = table; }

    QZTemplateRunOwner* GetMessageOwner() const { return m_pMessageOwner; }
    void SetMessageOwner(QZTemplateRunOwner* owner) { m_pMessageOwner = owner; }
    QZTemplateRunOwner* GetRunOwner() const { return m_pRunOwner; }
    void SetRunOwner(QZTemplateRunOwner* owner) { m_pRunOwner = owner; }
    QZTemplateRunOwner* GetPageOwner() const { return m_pPageOwner; }
    void SetPageOwner(QZTemplateRunOwner* owner) { m_pPageOwner = owner; }
    QZTemplateRunOwner* GetMessageTarget() const { return m_pMessageTarget; }
    void SetMessageTarget(QZTemplateRunOwner* target) { m_pMessageTarget = target; }
    // The expression context of the innermost enclosing query, whose row fields expressions
    // read; none outside a query.
    QZVantrelContext* GetQueryContext() const { return m_pQueryContext; }
    void SetQueryContext(QZVantrelContext* context) { m_pQueryContext = context; }

    const CString& GetText() const { return m_text; }
    SHORT GetMode() const { return m_nMode; }
    void SetMode(SHORT mode) { m_nMode = mode; }
    BOOL IsTranslating() const { return m_bTranslate; }
    void SetTranslating(BOOL translate) { m_bTranslate = translate; }
    QZKeyTable* GetKeyTable() const { return m_pKeyTable; }
    void SetKeyTable(QZKeyTable* table) { m_pKeyTable = table; }
    BOOL HasError() const { return m_bError; }
    void SetError(BOOL error) { m_bError = error; }

protected:
    QZCommandBase* m_pHead = nullptr;
    QZCommandBase* m_pTail = nullptr;
    QZVantrelContext* m_pParent;
    SymbolTable* m_pSymbolTable = nullptr;
    QZTemplateRunOwner* m_pMessageOwner = nullptr;
    QZTemplateRunOwner* m_pRunOwner = nullptr;
    QZTemplateRunOwner* m_pPageOwner = nullptr;
    QZVantrelContext* m_pQueryContext = nullptr;
    QZTemplateRunOwner* m_pMessageTarget = nullptr;
    CString m_text;
    BOOL m_bTranslate = FALSE;
    SHORT m_nMode = MODE_PLAIN;
    BOOL m_bError = FALSE;
    QZKeyTable* m_pKeyTable = nullptr;
};
