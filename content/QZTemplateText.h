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

// "Date" and "Time" (both now, as dates) and "Webmaster" in the reserved-word table of a run.
void DefineRequestVariables(SymbolTable& reserved, const CString& webmaster);

} // namespace QZTemplateText
