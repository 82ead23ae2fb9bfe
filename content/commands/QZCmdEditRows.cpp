#include "content/commands/QZCmdEditRows.h"

#include "template/data/CActionSet.h"

IMPLEMENT_DYNAMIC(QZCmdEditRows, QZCmdRowActionMember)

QZCmdEditRows::QZCmdEditRows(QZVantrelContext* context, const CString& arguments)
    : QZCmdRowActionMember(context, arguments, Description()) {}

const QZCmdRowActionMember::Member& QZCmdEditRows::Description() {
    static const Member member{
        "editrows", "EditRows Failed: Invalid Query/Table Key",
        "EditRows Failed: ", "EditRows %i Rows Failed: ", &CActionSet::EditRow};
    return member;
}
