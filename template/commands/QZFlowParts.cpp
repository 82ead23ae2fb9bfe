#include "template/commands/QZFlowParts.h"

#include "template/expressions/QZLocalExprContext.h"

namespace QZFlowParts {

QZExprContext* MakeLocal(QZVantrelContext* context, const CString& text, BOOL condition,
                         BOOL parse) {
    auto* local = new QZLocalExprContext(context);
    local->SetEqualsCompares(condition);
    if (parse)
        local->Parse(text);
    return local;
}

const CString& TranslatedText(const QZVantrelCompileContext* context) {
    return static_cast<const QZArgumentContext*>(context)->GetTranslatedText();
}

QZSymbol* FirstResult(const QZVantrelCompileContext* context) {
    return static_cast<const QZArgumentContext*>(context)->GetResult();
}

BOOL WritesBlocks(const QZVantrelContext* context) {
    SHORT mode = context->GetMode();
    return mode != QZVantrelContext::MODE_FIRST && mode != QZVantrelContext::MODE_PLAIN;
}

} // namespace QZFlowParts
