#pragma once
// The insertion commands' dialogs in windows: the "Table Size" and "List" dialogs run modally
// over the main window.

#include "editors/QZInsertDialogs.h"

class QZWindowInsertDialogs : public QZInsertDialogs {
public:
    int TableSize(QZTableProps& props) override;
    int ListProps(QZListProps& props) override;
};

// Installs the dialogs in windows for the program's editors.
void InstallInsertDialogs();
