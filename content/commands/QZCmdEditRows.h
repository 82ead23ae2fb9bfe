#pragma once
// <<editrows key, name=value, ...>>: changes one row for each record of the array `source`.
// The key names a query object of the site; DbError and DbErrorCode tell how it went.

#include "content/commands/QZCmdRowActionMember.h"

class QZCmdEditRows : public QZCmdRowActionMember {
    DECLARE_DYNAMIC(QZCmdEditRows)
public:
    QZCmdEditRows(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<editrows :???"
               ",table=???"
               ">>";
    }
    static const Member& Description();
};
