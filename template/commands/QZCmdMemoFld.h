#pragma once
// The interpret command, <<interpret expr>>: writes the value of an expression and, when it is
// a string, runs that string as template text in place, with the variables of the scope the
// command stands in.

#include "template/commands/QZCommandBase.h"

class QZCmdMemoFld : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdMemoFld)
public:
    // Interpreted text that interprets text in turn nests at most this deep.
    static constexpr int kMaxDepth = 64;

    QZCmdMemoFld(QZVantrelContext* context, const CString& arguments);

    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }

private:
    // The output text of a value of any type but a string.
    static CString ValueText(QZSymbol* value);
    // Parses and runs the text in a parser of its own, in a child scope of the command's.
    void Interpret(const CString& text);
};
