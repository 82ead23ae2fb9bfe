#pragma once
// A command word the language does not know (an ordinary name or a built-in variable used as
// a command): it keeps the word and its arguments so the text is written back, evaluates the
// arguments when run, and writes nothing.

#include "template/commands/QZCmdFunction.h"

class QZCmdGeneric : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdGeneric)
public:
    QZCmdGeneric(QZVantrelContext* context, const CString& word, const CString& arguments);

    // "<<" word " " arguments ">>", with the one space even when there are no arguments.
    void WriteSource(CString& text) override;

    const CString& GetWord() const { return m_word; }

private:
    CString m_word;
};
