#pragma once
// What the flow and variable commands share: the expression contexts they make on the scope
// they stand in, the text those contexts write back, the first result of a run, and the test
// of the mode in which a block command writes its blocks as well as its opening.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZExprContext;
class QZSymbol;
class QZVantrelCompileContext;
class QZVantrelContext;

namespace QZFlowParts {

// A local expression context on `context` (it reads and writes the variables of that scope)
// with `text` parsed in it unless `parse` is false; in condition mode a single "=" compares.
QZExprContext* MakeLocal(QZVantrelContext* context, const CString& text, BOOL condition,
                         BOOL parse = TRUE);

// The text of an expression context as it is written back: with translated keys while the
// page is rewritten.
const CString& TranslatedText(const QZVantrelCompileContext* context);

// The entry of the first expression after a run; none when the list produced none.
QZSymbol* FirstResult(const QZVantrelCompileContext* context);

// False in modes 1 and 2, where a block command writes back its opening only.
BOOL WritesBlocks(const QZVantrelContext* context);

} // namespace QZFlowParts
