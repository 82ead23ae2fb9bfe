#pragma once
// The "Select a Query/Table" dialog: lists the stored queries or the tables of a database
// file, and gives the name the user chose. The database's own catalog tables (system, hidden
// and attached tables) are never listed.

#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

class QZQueryBrowse : public CDialog {
public:
    explicit QZQueryBrowse(CWnd* pParent = nullptr);
    ~QZQueryBrowse() override;

    // Opens the dialog's own database on the file (the program's own kind or a plain SQLite
    // file), shared, read and write; the engine's exception passes on to the caller.
    void OpenDatabase(LPCTSTR path);
    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    // Empties the list and adds every table of the database that is no system, attached or
    // hidden table, then selects the line of the chosen name.
    void ListTables();
    // Empties the list and adds every stored query, then selects the line of the chosen name.
    void ListQueries();

    // The name chosen; before the dialog, the one to select.
    CString m_strName;
    // 0 lists the stored queries, 1 the tables.
    LONG m_nTable;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnQueries();
    void OnTables();
    void OnSelectionChange();
    void OnDoubleClick();
    void SelectChosenName();

    CDaoDatabase m_Database;
    CListBox m_List;
    CButton m_QueryRadio;
    CButton m_TableRadio;
};
