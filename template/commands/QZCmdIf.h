#pragma once
// The conditional <<if condition>> ... <<else>> ... <</if>>: runs its then block when the
// condition is true and its else block otherwise. A single "=" in the condition compares.

#include "template/commands/QZCommandBase.h"

#include <memory>

class QZCmdIf : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdIf)
public:
    // Parses the condition on the enclosing scope and makes the two (empty) blocks.
    QZCmdIf(QZVantrelContext* context, const CString& arguments);
    ~QZCmdIf() override;
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    // The text the editor inserts for a new conditional.
    static CString GetSkeleton();

    // "<<if " condition ">>", then (outside modes 1 and 2) the blocks and "<</if>>".
    void WriteSource(CString& text) override;
    void Execute() override;
    // Notes that the text has the closing word. A block left open to the end of the text is
    // written back open: a closing word added there could fall inside a string left open in
    // the block and be added again at every save.
    void KeepWord(int token, const CString& text) override;
    // The then block is the body section, the else block the else section.
    QZVantrelStmtContext* GetSection(Section section) override;

    QZVantrelStmtContext* GetThen() const { return m_pThen.get(); }
    QZVantrelStmtContext* GetElse() const { return m_pElse.get(); }

private:
    BOOL m_bClosed = FALSE;
    std::unique_ptr<QZVantrelStmtContext> m_pThen;
    std::unique_ptr<QZVantrelStmtContext> m_pElse;
};
