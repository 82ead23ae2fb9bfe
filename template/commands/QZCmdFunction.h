#pragma once
// The base of the commands whose arguments are a parameter list `name = value, ...`, compiled
// in a scope of the command's own.

#include "template/commands/QZCommandBase.h"

class QZArgumentContext;

class QZCmdFunction : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdFunction)
public:
    // Makes the parameter-list context on `context` and parses the arguments in it;
    // `defaultKeyType` is the object type of key constants written without one.
    QZCmdFunction(QZVantrelContext* context, const CString& arguments, SHORT defaultKeyType);

    QZArgumentContext* GetArguments() const;
};
