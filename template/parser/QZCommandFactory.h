#pragma once
// Makes the command object of a token. The makers of the command classes are registered by
// token number by the parts of the language that build them; a command word whose class is
// not registered is made as a stand-in that keeps its text.

#include "platform/core/CString.h"

class QZCommandBase;
class QZTemplateLexer;
class QZVantrelCompileContext;
class QZVantrelContext;

class QZCommandFactory {
public:
    // Makes the command of a token from its argument text, appended to `context`.
    using Maker = QZCommandBase* (*)(QZVantrelContext* context, const CString& arguments);

    // Registers (or, with none, removes) the maker of a command word's token number.
    static void Register(int token, Maker maker);
    static Maker Find(int token);
    // True for the command words that make an object (their maker's or a stand-in).
    static bool HasCommand(int token);

    // The command of the token that the lexer has just read, appended to `context`; none for
    // the words that make none (closing and section words, repeat, operators, functions and
    // methods). The warning for a word that is no command goes to `reporter`.
    static QZCommandBase* Create(QZVantrelContext* context, int token, const QZTemplateLexer& lexer,
                                 QZVantrelCompileContext& reporter);
};
