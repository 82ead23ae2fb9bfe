#pragma once
// The attach command, <<attach file>>: names a file to be attached to an e-mail message. The
// name is checked and kept; attaching belongs to the program that sends the message.

#include "template/commands/QZCmdFunction.h"

class QZCmdAttach : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdAttach)
public:
    QZCmdAttach(QZVantrelContext* context, const CString& arguments);

    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }
    // Evaluates the list and takes its first string as the attachment; FALSE, reported, when
    // there is none or it is empty.
    virtual BOOL CheckParameters();

    const CString& GetAttachment() const { return m_attachment; }

private:
    CString m_attachment;
};
