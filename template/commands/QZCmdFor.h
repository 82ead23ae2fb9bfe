#pragma once
// The counted loop <<for initialisation; condition; step>> ... <</for>>: runs the
// initialisation, then the body and the step while the condition is true and the generation's
// run count is within its limit. The three parts are compiled once, when the command is made;
// the command has no expression context of its own.

#include "template/commands/QZCommandBase.h"

#include <memory>

class QZExprContext;

class QZCmdFor : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdFor)
public:
    // `firstSemicolon` and `secondSemicolon` are offsets in the arguments, -1 when absent. A
    // header without both has no condition; the text after a single semicolon is kept (as the
    // step, which never runs) so that writing the command back keeps it.
    QZCmdFor(QZVantrelContext* context, const CString& arguments, int firstSemicolon,
             int secondSemicolon);
    ~QZCmdFor() override;
    // Finds the semicolons as the template lexer does: the first two outside double quotes.
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static void FindSemicolons(const CString& arguments, int& first, int& second);
    static CString GetSkeleton();

    // "<<for " init ";" condition ";" step ">>", then (outside modes 1 and 2) the body and
    // "<</for>>"; each part keeps its own spaces.
    void WriteSource(CString& text) override;
    void Execute() override;
    // Notes that the text has the closing word. A block left open to the end of the text is
    // written back open: a closing word added there could fall inside a string left open in
    // the block and be added again at every save.
    void KeepWord(int token, const CString& text) override;
    QZVantrelStmtContext* GetSection(Section section) override;

    QZVantrelStmtContext* GetBody() const { return m_pBody.get(); }

private:
    BOOL m_bClosed = FALSE;
    int m_nFirstSemicolon;
    int m_nSecondSemicolon;
    std::unique_ptr<QZExprContext> m_pInit;
    std::unique_ptr<QZExprContext> m_pCondition;
    std::unique_ptr<QZExprContext> m_pStep;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
};
