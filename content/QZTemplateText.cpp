#include "content/QZTemplateText.h"

#include "platform/core/COleDateTime.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/SymbolTable.h"

namespace QZTemplateText {

CString Normalise(QZVantrelMemoFld& context, const CString& text) {
    context.SetMode(QZVantrelContext::MODE_REWRITE);
    // A copy: parsing may change what the reference names.
    context.Parse(CString(text));
    CString normalised;
    context.WriteSource(normalised);
    context.SetMode(QZVantrelContext::MODE_PLAIN);
    return normalised;
}

void DefineRequestVariables(SymbolTable& scope, const CString& webmaster) {
    COleDateTime now = COleDateTime::GetCurrentTime();
    scope.SetDate("Date", now);
    scope.SetDate("Time", now);
    scope.SetString("Webmaster", webmaster);
}

} // namespace QZTemplateText
