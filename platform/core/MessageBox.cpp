#include "platform/core/MessageBox.h"

#include "platform/core/ReplaceableService.h"

#include <cstdio>

namespace {

// The sink used before the program or a test installs one: nothing can be pressed, so the
// box answers with its default button after saying what it would have shown.
class StderrMessageBoxSink : public MessageBoxSink {
public:
    int Show(const CString& text, UINT type, UINT) override {
        std::fprintf(stderr, "%s\n", static_cast<LPCTSTR>(text));
        return DefaultMessageBoxAnswer(type);
    }
};

ReplaceableService<MessageBoxSink, StderrMessageBoxSink> g_sink;

} // namespace

MessageBoxSink* SetMessageBoxSink(MessageBoxSink* sink) {
    return g_sink.Replace(sink);
}

int DefaultMessageBoxAnswer(UINT type) {
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    UINT kind = type & MB_TYPEMASK;
    if (kind >= std::size(buttons))
        kind = MB_OK;
    UINT which = (type & MB_DEFMASK) >> 8;
    if (which > 2)
        which = 0;
    return buttons[kind][which];
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId) {
    return g_sink.Get().Show(CString(text ? text : ""), type, helpId);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type, helpId == UINT(-1) ? stringId : helpId);
}
