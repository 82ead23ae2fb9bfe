#include "editors/QZInsertDialogs.h"

#include "platform/core/MessageBox.h"
#include "shell/QZQueryWizardBase.h"

namespace {
QZInsertDialogs g_defaultDialogs;
QZInsertDialogs* g_pDialogs = nullptr;
} // namespace

int QZInsertDialogs::TableSize(QZTableProps&) {
    return IDCANCEL;
}

int QZInsertDialogs::ListProps(QZListProps&) {
    return IDCANCEL;
}

CString QZInsertDialogs::QueryWizard() {
    return RunQueryWizard();
}

QZInsertDialogs* SetInsertDialogs(QZInsertDialogs* dialogs) {
    QZInsertDialogs* previous = g_pDialogs;
    g_pDialogs = dialogs;
    return previous;
}

QZInsertDialogs& GetInsertDialogs() {
    return g_pDialogs != nullptr ? *g_pDialogs : g_defaultDialogs;
}
