#pragma once
// <<editrow key, name=value, ...>>: changes the row that the table's primary key, given by the
// parameters, finds. The key names a query object of the site; DbError and DbErrorCode tell how it
// went.

#include "content/commands/QZCmdRowActionMember.h"

class QZCmdEditRow : public QZCmdRowActionMember {
    DECLARE_DYNAMIC(QZCmdEditRow)
public:
    QZCmdEditRow(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<editrow :???"
               ">>";
    }
    static const Member& Description();
};
