#pragma once
// What the template-bearing kinds share beyond QZVantrelTemplate: the stored form of a text,
// and the variables that a form's or event's run defines for the request it answers.

#include "platform/core/CString.h"

class QZVantrelMemoFld;
class SymbolTable;

namespace QZTemplateText {

// The text as the parser writes it back: parsed in the context in mode 3, then written back;
// the context is left in mode 2.
CString Normalise(QZVantrelMemoFld& context, const CString& text);

// "Date" and "Time" (both now, as dates) and "Webmaster", set from the scope of a run: they
// land on the reserved words of those names that its text sees, whichever context's table
// holds them (the calling context's when there is one).
void DefineRequestVariables(SymbolTable& scope, const CString& webmaster);

} // namespace QZTemplateText
