#include "editors/QZWindowInsertDialogs.h"

#include "editors/QZListProps.h"
#include "editors/QZTableProps.h"
#include "platform/core/MessageBox.h"

int QZWindowInsertDialogs::TableSize(QZTableProps& props) {
    // A dialog that cannot be shown inserts nothing.
    return props.DoModal() == IDOK ? IDOK : IDCANCEL;
}

int QZWindowInsertDialogs::ListProps(QZListProps& props) {
    return props.DoModal() == IDOK ? IDOK : IDCANCEL;
}

void InstallInsertDialogs() {
    static QZWindowInsertDialogs dialogs;
    SetInsertDialogs(&dialogs);
}
