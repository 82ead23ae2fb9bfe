#pragma once
// The dump command, <<dump>>: writes the variables visible where it stands, scope by scope
// outwards, as an HTML listing for debugging templates.

#include "template/commands/QZCommandBase.h"

class QZCmdDump : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdDump)
public:
    explicit QZCmdDump(QZVantrelContext* context);

    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }
};
