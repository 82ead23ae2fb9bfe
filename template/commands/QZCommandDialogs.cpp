#include "template/commands/QZCommandDialogs.h"

namespace {
QZCommandDialogs g_noDialogs;
QZCommandDialogs* g_pDialogs = nullptr;
} // namespace

int QZCommandDialogs::ImageProps(QZCommandBase&, BOOL&, const CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::IntLinkProps(QZCommandBase&, const CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::FormProps(QZCommandBase&, const CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::QueryProps(QZCommandBase&, const CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::ActiveXProps(QZCommandBase&) {
    return IDCANCEL;
}

int QZCommandDialogs::JavaProps(QZCommandBase&) {
    return IDCANCEL;
}

int QZCommandDialogs::MultiMediaProps(QZKeyCombo&, const CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::ScriptProps(QZKeyCombo&) {
    return IDCANCEL;
}

int QZCommandDialogs::AdSpaceProps(QZKeyCombo&) {
    return IDCANCEL;
}

int QZCommandDialogs::MacroProps(QZCommandBase&, CString&, CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::ActionProps(QZCommandBase&, CString&, CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::MultiActionProps(QZCommandBase&, CString&, CString&) {
    return IDCANCEL;
}

int QZCommandDialogs::ReturnProps(QZCommandBase&, CString&, CString&) {
    return IDCANCEL;
}

QZCommandDialogs* SetCommandDialogs(QZCommandDialogs* dialogs) {
    QZCommandDialogs* previous = g_pDialogs;
    g_pDialogs = dialogs;
    return previous;
}

QZCommandDialogs& GetCommandDialogs() {
    return g_pDialogs != nullptr ? *g_pDialogs : g_noDialogs;
}
