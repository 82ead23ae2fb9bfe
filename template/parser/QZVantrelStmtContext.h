#pragma once
// The statement list of one section of a block command: a branch of if, a loop body, a
// section of query, a case of when. It shares the variables of its parent.

#include "template/parser/QZVantrelContext.h"

class QZVantrelStmtContext : public QZVantrelContext {
public:
    // `owner` is the block command whose section this is; none for a repeat body until the
    // until-command takes it.
    QZVantrelStmtContext(QZVantrelContext* parent, QZCommandBase* owner);

    QZCommandBase* GetOwningCommand() const { return m_pOwningCommand; }
    void SetOwningCommand(QZCommandBase* command) { m_pOwningCommand = command; }

private:
    QZCommandBase* m_pOwningCommand;
};
