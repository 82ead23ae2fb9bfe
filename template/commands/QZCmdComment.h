#pragma once
// A comment, "<<! ... >>" or a "//" line comment, kept exactly as written so that it survives
// a rewrite of the text; it writes no output.

#include "template/commands/QZCommandBase.h"

class QZCmdComment : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdComment)
public:
    QZCmdComment(QZVantrelContext* context, const CString& text);

    void WriteSource(CString& text) override;

    const CString& GetText() const { return m_text; }

private:
    CString m_text;
};
