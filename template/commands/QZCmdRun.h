#pragma once
// <<run "program", "arguments", nowait>>: starts a program, at page generation and in form and
// event processing alike, and waits until it ends unless the parameter nowait is given. No
// shell is involved: the program is looked up on PATH, and the argument text is cut into
// arguments at blanks (spaces and tabs) outside double quotes, the quotes removed; nothing
// else in it has any meaning ($, *, ;, ~, backslashes and the like arrive as written). A pair
// of quotes with nothing between is one empty argument.

#include "template/commands/QZCmdFunction.h"

#include <vector>

class QZCmdRun : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdRun)
public:
    QZCmdRun(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<run ???,??"
               "?>>";
    }
    // The arguments of an argument text, by the rule above.
    static std::vector<CString> SplitArguments(const CString& text);

    void WriteSource(CString& text) override;
    void Execute() override;
};
