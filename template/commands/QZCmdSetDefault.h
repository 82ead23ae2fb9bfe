#pragma once
// The setdefault command <<setdefault name=value>>: a plain "=" is the default assignment,
// which gives a variable the value only when it holds none yet. Writes nothing.

#include "template/commands/QZCommandBase.h"

class QZCmdSetDefault : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdSetDefault)
public:
    QZCmdSetDefault(QZVantrelContext* context, const CString& arguments);
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static CString GetSkeleton();

    // "<<setdefault " expression ">>".
    void WriteSource(CString& text) override;
};
