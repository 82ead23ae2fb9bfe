#pragma once
// The editor's own dialogs of the insertion commands, the "Table Size" and "List" dialogs,
// each given its values and answering IDOK (the values saved) or IDCANCEL. The windows install
// the real dialogs; tests install their own. With none installed every dialog answers IDCANCEL,
// except the query wizard, which is the shell's own and runs as it is.

#include "platform/core/CString.h"

class QZListProps;
class QZTableProps;

class QZInsertDialogs {
public:
    virtual ~QZInsertDialogs() = default;

    virtual int TableSize(QZTableProps& props);
    virtual int ListProps(QZListProps& props);
    // The query wizard: the text it builds, empty on Cancel.
    virtual CString QueryWizard();
};

// Installs `dialogs` (not owned) and returns the ones they replace; null restores the default.
QZInsertDialogs* SetInsertDialogs(QZInsertDialogs* dialogs);
QZInsertDialogs& GetInsertDialogs();
