#pragma once
// The base of every statement of parsed template text: literal text, each command word and the
// statements of compiled expressions. A command links itself into the statement list of the
// context it is made in, keeps its source text, its expression context and its line, and
// offers the operations all commands share: writing output, reporting errors, finding
// parameters, recording page dependencies, URL encoding and attribute lists.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class QZSymbol;
class QZTemplateOwner;
class QZTemplateRunOwner;
class QZVantrelCompileContext;
class QZVantrelContext;
class QZVantrelStmtContext;

class QZCommandBase : public CObject {
    DECLARE_DYNAMIC(QZCommandBase)
public:
    // Takes the owners of the context and the line of the token being parsed, then appends
    // the command to the context, which owns it from then on.
    explicit QZCommandBase(QZVantrelContext* context);
    // Deletes the statements chained after this one and the expression context.
    ~QZCommandBase() override;

    // Appends the command written back as template text.
    virtual void WriteSource(CString& text);
    // Compiles the expression context (unless it is already in mode 4) and runs it.
    virtual void Execute();
    // The pass a form or event runs on behalf of its calling context.
    virtual void ExecuteAction();
    // Opens the command's property dialog and returns the rebuilt command text; empty here.
    virtual CString EditProperties();

    // What the parser needs of a block command: the context of a section by its role, the
    // case sections of when and the body of repeat (both taken over when the command accepts
    // them), and the exact text of the words between sections, given in text order.
    enum Section {
        SECTION_BODY,
        SECTION_ELSE,
        SECTION_FIRSTROW,
        SECTION_AFTERFIRSTROW,
        SECTION_NOROWS
    };
    virtual QZVantrelStmtContext* GetSection(Section section);
    virtual BOOL AddCase(QZVantrelStmtContext* context);
    virtual BOOL SetBody(QZVantrelStmtContext* context);
    virtual void KeepWord(int token, const CString& text);

    // Deletes a chain of statements one by one (never recursively).
    static void DeleteChain(QZCommandBase* first);

    QZCommandBase* GetNext() const { return m_pNext; }
    void SetNext(QZCommandBase* next) { m_pNext = next; }
    QZVantrelContext* GetContext() const { return m_pContext; }
    QZVantrelCompileContext* GetExprContext() const { return m_pExprContext; }
    const CString& GetSourceText() const { return m_source; }
    LONG GetLine() const { return m_nLine; }
    void SetLine(LONG line) { m_nLine = line; }

    // Output: to the e-mail message when the run owner is one, else to the run owner's output
    // file; dropped with neither. A failed write is reported once and fails the run.
    void Write(const CString& text);
    void WriteText(LPCTSTR text);
    // Reports an error with the command's line to the message owner, in every mode.
    void Error(LPCTSTR format, const CString& first = CString(), const CString& second = CString());
    // False, with "right-hand side %s does not have a value", for an entry with no value.
    BOOL CheckValue(QZSymbol* entry);

    // Parameters of the expression context's list: by exact name, or by position from 1.
    // Only an entry of the asked type is returned; a reference is followed once.
    QZSymbol* FindParam(const CString& name, LONG type);
    QZSymbol* FindNamedParam(const CString& name, LONG type);
    QZSymbol* FindPositionalParam(LONG position, LONG type);

    // Records in the owner page's dependents that it uses `used` (not while previewing).
    void RecordDependency(QZTemplateRunOwner* owner, const QZTemplateOwner* used);

    // Encodes a text for a URL: a space as "+", reserved and unsafe characters as "%xx";
    // with `encodeFirst` the first character is always encoded.
    const CString& URLEncode(const CString& text, BOOL encodeFirst);
    // Reads the first name=value pair off a comma-separated list; FALSE when it is empty.
    static BOOL NextAttribute(CString& list, CString& name, CString& value);
    // The list without the pairs of that name (any case), its pairs joined by single commas.
    static CString RemoveAttribute(const CString& list, const CString& name);

protected:
    static QZSymbol* MatchType(QZSymbol* entry, LONG type);

    QZTemplateRunOwner* m_pPageOwner = nullptr;
    QZTemplateRunOwner* m_pRunOwner = nullptr;
    QZTemplateRunOwner* m_pMessageOwner = nullptr;
    QZTemplateRunOwner* m_pMessageTarget = nullptr;
    QZVantrelContext* m_pContext = nullptr;
    QZCommandBase* m_pNext = nullptr;
    CString m_source;
    QZVantrelCompileContext* m_pExprContext = nullptr;
    CString m_properties;
    LONG m_nLine = 1;
    CString m_encoded;
};
