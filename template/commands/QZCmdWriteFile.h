#pragma once
// The writefile command, <<writefile name, value>>: writes one value as text into a file,
// replacing it, or adding to its end when the argument list names "append".

#include "template/commands/QZCmdFunction.h"

class QZCmdWriteFile : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdWriteFile)
public:
    QZCmdWriteFile(QZVantrelContext* context, const CString& arguments);

    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }

    // The text of a value as the file receives it; FALSE for a type that has none. Dates are
    // written as the language's date constants, so that interpreting them reads them back.
    static BOOL ValueText(const QZSymbol* value, CString& text);
};
