#pragma once
// The set command <<set expression>>: evaluates its expression for the effect, normally an
// assignment to a variable of the scope it stands in, and writes nothing.

#include "template/commands/QZCommandBase.h"

class QZCmdStoreExpr : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdStoreExpr)
public:
    QZCmdStoreExpr(QZVantrelContext* context, const CString& arguments);
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static CString GetSkeleton();

    // "<<set " expression ">>".
    void WriteSource(CString& text) override;
};
