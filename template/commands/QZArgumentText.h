#pragma once
// Stands in for the expression context of a parameter list while the expression language is
// not linked in: it keeps the argument text and writes it back unchanged, and compiles and
// runs nothing.

#include "template/commands/QZArgumentContext.h"

class QZArgumentText : public QZArgumentContext {
public:
    explicit QZArgumentText(QZVantrelContext* parent);

    void Parse(const CString& text) override { m_text = text; }
    int NextToken() override { return -1; }
    CString GetTokenName(int) override { return CString(); }
    // Nothing to run, and no run to count.
    void Execute() override {}

    const CString& GetTranslatedText() const override { return m_text; }
    QZSymbol* GetResult() const override { return nullptr; }
    QZBlockList* GetResults() const override { return nullptr; }
    void SetDefaultKeyType(SHORT) override {}
};
