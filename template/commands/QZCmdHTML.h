#pragma once
// A run of literal text or one HTML tag between commands, copied to the output as it is.

#include "template/commands/QZCommandBase.h"

class QZCmdHTML : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdHTML)
public:
    QZCmdHTML(QZVantrelContext* context, const CString& text);

    void WriteSource(CString& text) override;
    void Execute() override;
    // Literal text is not written while a form or event runs its action pass.
    void ExecuteAction() override {}

    const CString& GetText() const { return m_text; }

private:
    CString m_text;
};
