#pragma once
// <<delrow key, name=value, ...>>: deletes the row that the table's primary key, given by the
// parameters, finds. The key names a query object of the site; DbError and DbErrorCode tell how it
// went.

#include "content/commands/QZCmdRowActionMember.h"

class QZCmdDelRow : public QZCmdRowActionMember {
    DECLARE_DYNAMIC(QZCmdDelRow)
public:
    QZCmdDelRow(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<delrow :???"
               ">>";
    }
    static const Member& Description();
};
