#pragma once
// <<addrows key, name=value, ...>>: adds one row for each record of the array `source`.
// The key names a query object of the site; DbError and DbErrorCode tell how it went.

#include "content/commands/QZCmdRowActionMember.h"

class QZCmdAddRows : public QZCmdRowActionMember {
    DECLARE_DYNAMIC(QZCmdAddRows)
public:
    QZCmdAddRows(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<addrows :???"
               ",table=???"
               ">>";
    }
    static const Member& Description();
};
