#pragma once
// The choice <<when selector>> <<is v1, v2 ...>> ... <</when>>: runs the first clause one of
// whose values equals the selector (same type and value), or that names "otherwise" where the
// types differ. Each clause is a block whose first statement is its is command.

#include "template/commands/QZCommandBase.h"
#include "template/parser/QZContextList.h"

#include <memory>

class QZBlockList;
class QZSymbol;

class QZCmdSwitch : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdSwitch)
public:
    QZCmdSwitch(QZVantrelContext* context, const CString& arguments);
    ~QZCmdSwitch() override;
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static CString GetSkeleton();

    // "<<when " selector ">>", then (outside modes 1 and 2) each clause and "<</when>>".
    void WriteSource(CString& text) override;
    void Execute() override;
    // Notes that the text has the closing word. A block left open to the end of the text is
    // written back open: a closing word added there could fall inside a string left open in
    // the block and be added again at every save.
    void KeepWord(int token, const CString& text) override;
    // Takes each clause block in text order; the first may hold only the text that stands
    // before the first is.
    BOOL AddCase(QZVantrelStmtContext* context) override;

    int GetCaseCount() const { return m_pCases != nullptr ? m_pCases->GetCount() : 0; }
    QZVantrelContext* GetCase(int index) const { return m_pCases->GetAt(index); }

    // True when a value of an is clause chooses its clause for the selector (none when the
    // selector produced no entry).
    static BOOL Matches(const QZSymbol* selector, QZSymbol* value);

private:
    BOOL m_bClosed = FALSE;
    // The values of a clause after running its is command; none for a block without one.
    static QZBlockList* RunCase(QZVantrelContext* clause);

    std::unique_ptr<QZContextList> m_pCases;
};
