#pragma once
// The loop <<repeat>> ... <<until condition>>: runs its body, then leaves once the condition
// is true, or when the generation's run count passes its limit; the body runs at least once.
// The parser makes the command at the until word and hands it the body it collected.

#include "template/commands/QZCommandBase.h"

#include <memory>

class QZCmdRepeat : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdRepeat)
public:
    // `arguments` is the until condition; the body comes later through SetBody.
    QZCmdRepeat(QZVantrelContext* context, const CString& arguments);
    ~QZCmdRepeat() override;
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static CString GetSkeleton();

    // Outside modes 1 and 2, "<<repeat>>" and the body; then "<<until " condition ">>".
    void WriteSource(CString& text) override;
    void Execute() override;
    // Takes the first body handed to it, and becomes its owning command.
    BOOL SetBody(QZVantrelStmtContext* context) override;

    QZVantrelStmtContext* GetBody() const { return m_pBody.get(); }

private:
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
};
