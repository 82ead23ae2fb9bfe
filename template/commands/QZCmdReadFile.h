#pragma once
// The readfile command, <<readfile name, variable>>: loads a whole file, up to its first zero
// byte, into a string variable of the scope the command stands in.

#include "template/commands/QZCommandBase.h"

class QZCmdReadFile : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdReadFile)
public:
    QZCmdReadFile(QZVantrelContext* context, const CString& arguments);

    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }

private:
    // The variable that receives the text: the second argument when it names one (a
    // reference is followed once); none for a constant, a built-in or a temporary.
    QZSymbol* TargetVariable();
};
