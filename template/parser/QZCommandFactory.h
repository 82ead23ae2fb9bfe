#pragma once
// The makers of the command classes by token number. The classes of the command words are
// registered by the parts of the language that build them; a command word whose class is not
// registered is made as a stand-in that keeps its text.

#include "platform/core/CString.h"

class QZCommandBase;
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
};
