#include "content/commands/QZCmdEditRow.h"

#include "template/data/CActionSet.h"

IMPLEMENT_DYNAMIC(QZCmdEditRow, QZCmdRowActionMember)

QZCmdEditRow::QZCmdEditRow(QZVantrelContext* context, const CString& arguments)
    : QZCmdRowActionMember(context, arguments, Description()) {}

const QZCmdRowActionMember::Member& QZCmdEditRow::Description() {
    static const Member member{"editrow", "EditRow Failed: Invalid Query/Table Key",
                               "EditRow Failed: ", nullptr, &CActionSet::EditRow};
    return member;
}
