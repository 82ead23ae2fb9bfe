#pragma once
// The is command, <<is v1, v2 ...>>: opens one case of a when block. It stands first in the
// case's section; the when command runs it and compares its value with the case's values,
// one result per comma-separated expression.

#include "template/commands/QZCommandBase.h"

class QZBlockList;

class QZCmdCase : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdCase)
public:
    QZCmdCase(QZVantrelContext* context, const CString& arguments);

    void WriteSource(CString& text) override;
    // Evaluates the values in the enclosing scope; writes nothing.
    void Execute() override;

    // The values of the last run, in source order; none before the first.
    QZBlockList* GetValues() const;
};
