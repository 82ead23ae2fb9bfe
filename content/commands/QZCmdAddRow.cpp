#include "content/commands/QZCmdAddRow.h"

#include "template/data/CActionSet.h"

IMPLEMENT_DYNAMIC(QZCmdAddRow, QZCmdRowActionMember)

QZCmdAddRow::QZCmdAddRow(QZVantrelContext* context, const CString& arguments)
    : QZCmdRowActionMember(context, arguments, Description()) {}

const QZCmdRowActionMember::Member& QZCmdAddRow::Description() {
    static const Member member{"addrow", "AddRow Failed: Invalid Query/Table Key",
                               "AddRow Failed: ", nullptr, &CActionSet::AddRow};
    return member;
}
