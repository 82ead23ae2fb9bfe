#include "content/commands/QZCmdDelRow.h"

#include "template/data/CActionSet.h"

IMPLEMENT_DYNAMIC(QZCmdDelRow, QZCmdRowActionMember)

QZCmdDelRow::QZCmdDelRow(QZVantrelContext* context, const CString& arguments)
    : QZCmdRowActionMember(context, arguments, Description()) {}

const QZCmdRowActionMember::Member& QZCmdDelRow::Description() {
    static const Member member{"delrow", "DelRow Failed: Invalid Query/Table Key",
                               "DelRow Failed: ", nullptr, &CActionSet::DelRow};
    return member;
}
