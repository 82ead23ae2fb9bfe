#pragma once
// The param command: writes an HTML param tag from an assignment argument, as in
// <<param width=100>> or <<param src="a.gif", type="image/gif">>.

#include "template/commands/QZCmdFunction.h"

class QZCmdParam : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdParam)
public:
    QZCmdParam(QZVantrelContext* context, const CString& arguments);

    void WriteSource(CString& text) override;
    void Execute() override;
    // Evaluates the list and takes the "type" and "valuetype" strings; a missing one keeps
    // the text of the previous run. Always TRUE.
    virtual BOOL CheckParameters();

private:
    CString m_type;
    CString m_valueType;
};
