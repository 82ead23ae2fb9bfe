#pragma once
// The editor's own dialogs of the insertion commands, the "Table Size" and "List" dialogs,
// each given its values and answering IDOK (the values saved) or IDCANCEL. The windows install
// the real dialogs; tests install their own. With none installed every dialog answers IDCANCEL.

class QZListProps;
class QZTableProps;

class QZInsertDialogs {
public:
    virtual ~QZInsertDialogs() = default;

    virtual int TableSize(QZTableProps& props);
    virtual int ListProps(QZListProps& props);
};

// Installs `dialogs` (not owned) and returns the ones they replace; null restores the default.
QZInsertDialogs* SetInsertDialogs(QZInsertDialogs* dialogs);
QZInsertDialogs& GetInsertDialogs();
