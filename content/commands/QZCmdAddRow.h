#pragma once
// <<addrow key, name=value, ...>>: adds one row made of its parameters to the table of a query
// object. The key names a query object of the site; DbError and DbErrorCode tell how it went.

#include "content/commands/QZCmdRowActionMember.h"

class QZCmdAddRow : public QZCmdRowActionMember {
    DECLARE_DYNAMIC(QZCmdAddRow)
public:
    QZCmdAddRow(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<addrow :???"
               ">>";
    }
    static const Member& Description();
};
