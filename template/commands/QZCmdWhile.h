#pragma once
// The loop <<while condition>> ... <</while>>: runs its body while the condition is true and
// the generation's run count is within its limit. A single "=" in the condition compares.

#include "template/commands/QZCommandBase.h"

#include <memory>

class QZCmdWhile : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdWhile)
public:
    QZCmdWhile(QZVantrelContext* context, const CString& arguments);
    ~QZCmdWhile() override;
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static CString GetSkeleton();

    // "<<while " condition ">>", then (outside modes 1 and 2) the body and "<</while>>".
    void WriteSource(CString& text) override;
    // Evaluates the condition once, then re-runs its compiled statements after every turn.
    void Execute() override;
    // Notes that the text has the closing word. A block left open to the end of the text is
    // written back open: a closing word added there could fall inside a string left open in
    // the block and be added again at every save.
    void KeepWord(int token, const CString& text) override;
    QZVantrelStmtContext* GetSection(Section section) override;

    QZVantrelStmtContext* GetBody() const { return m_pBody.get(); }

private:
    BOOL m_bClosed = FALSE;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
};
