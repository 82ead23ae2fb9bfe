#pragma once
// The expression context of a command with a parameter list `name = value, ...`: each
// parameter becomes a variable of a scope of the command's own, whose values are read from
// the enclosing scope (`key = key` passes the caller's key on).

#include "template/expressions/QZExprContext.h"

class QZTemplateExprContext : public QZExprContext {
public:
    explicit QZTemplateExprContext(QZVantrelContext* parent);
    ~QZTemplateExprContext() override;

    // Makes the parameter-list context of the commands that have one, and makes it the one
    // those commands use from now on.
    static QZArgumentContext* Make(QZVantrelContext* parent);
    static void Register();

private:
    std::unique_ptr<SymbolTable> m_pScope;
};
