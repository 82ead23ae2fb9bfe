#pragma once
// The expression context of a command's parameter list, as the commands see it: its text
// written back (with translated keys while the text is rewritten), the entry of its first
// expression and the list of the results of all of them. The expression contexts derive from
// it; until the expression language is linked in, a plain holder of the text stands in for them.

#include "template/parser/QZVantrelCompileContext.h"

class QZBlockList;
class QZSymbol;

class QZArgumentContext : public QZVantrelCompileContext {
public:
    // Makes the context of a command's parameter list (each parameter a variable of the
    // command's own scope) on the creating context.
    using Maker = QZArgumentContext* (*)(QZVantrelContext* parent);

    explicit QZArgumentContext(QZVantrelContext* parent);

    // The text as it is written back.
    virtual const CString& GetTranslatedText() const = 0;
    // The entry that holds the value of the first expression after a run; none before.
    virtual QZSymbol* GetResult() const = 0;
    // One entry per comma-separated expression (an assignment gives its variable); none
    // before the list is compiled.
    virtual QZBlockList* GetResults() const = 0;
    // The object type of key constants written without "@type".
    virtual void SetDefaultKeyType(SHORT type) = 0;

    // The maker that the expression language registers; none restores the stand-in.
    static void SetTemplateMaker(Maker maker);
    static QZArgumentContext* MakeTemplateContext(QZVantrelContext* parent);
};
