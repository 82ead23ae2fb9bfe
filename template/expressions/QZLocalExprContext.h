#pragma once
// The expression context of the statement and block commands (if, while, for, repeat, when,
// is, set, setdefault, group, readfile, interpret): it reads and writes the variables of the
// scope the command stands in.

#include "template/expressions/QZExprContext.h"

class QZLocalExprContext : public QZExprContext {
public:
    explicit QZLocalExprContext(QZVantrelContext* parent);
};
