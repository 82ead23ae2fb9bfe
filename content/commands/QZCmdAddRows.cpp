#include "content/commands/QZCmdAddRows.h"

#include "template/data/CActionSet.h"

IMPLEMENT_DYNAMIC(QZCmdAddRows, QZCmdRowActionMember)

QZCmdAddRows::QZCmdAddRows(QZVantrelContext* context, const CString& arguments)
    : QZCmdRowActionMember(context, arguments, Description()) {}

const QZCmdRowActionMember::Member& QZCmdAddRows::Description() {
    static const Member member{"addrows", "AddRows Failed: Invalid Query/Table Key",
                               "AddRows Failed: ", "AddRows %i Rows Failed: ", &CActionSet::AddRow};
    return member;
}
