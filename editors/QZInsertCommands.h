#pragma once
// The insertion commands of the Insert menu, the context menu and the command, HTML, action
// and form bars: each puts its text at the caret through the view's InsertText with an undo
// pair. With Use Wizards on, the object commands go through the command's property dialog,
// and the table and list outlines through the "Table Size" and "List" dialogs.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class QZEditViewLogic;

class QZInsertCommands {
public:
    // What a command does beyond inserting its text.
    enum Special {
        PLAIN,      // the text, in its mode
        PROPERTIES, // the property dialog of its command when Use Wizards is on
        QUERY,      // the query wizard when Use Wizards is on
        TABLE,      // the table outline
        LIST,       // the list outline
        LIST_BOX,   // four lines, each its own insertion
    };
    struct Entry {
        UINT id;
        CString text;
        int mode;
        Special special;
    };

    // Every insertion command, by id.
    static const std::vector<Entry>& Table();
    static const Entry* Find(UINT id);

    QZInsertCommands(QZEditViewLogic& view, BOOL useWizards);

    // Runs the command; FALSE for an id that is no insertion command. A read-only copy takes
    // nothing in.
    BOOL Run(UINT id);
    // Every insertion command is greyed on a read-only copy.
    BOOL IsEnabled(UINT id) const;

private:
    // With Use Wizards: the query wizard's text at the caret, nothing on Cancel.
    void InsertFromQueryWizard(int mode);
    void InsertTable();
    void InsertList();
    void InsertListBox();

    QZEditViewLogic& m_view;
    BOOL m_bUseWizards;
};
