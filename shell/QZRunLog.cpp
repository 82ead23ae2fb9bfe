#include "shell/QZRunLog.h"

#include "content/QZEngineMessage.h"
#include "db/QZApplication.h"
#include "platform/core/CException.h"
#include "platform/core/CMemoryException.h"

namespace {

CString TextOf(CException& e) {
    char buffer[512] = {};
    if (!e.GetErrorMessage(buffer, sizeof buffer) || buffer[0] == '\0')
        return "An unexpected error occurred.";
    return buffer;
}

} // namespace

void PostRunMessage(int kind, const CString& text) {
    if (QZApplication* app = GetVantrelApp())
        app->PostEngineMessage(new QZEngineMessage(kind, text));
}

CString TakeExceptionText(CException* e) {
    const CString text = TextOf(*e);
    e->Delete();
    return text;
}

CString MemoryErrorText() {
    CMemoryException error(FALSE);
    return TextOf(error);
}
