#pragma once
// The edit control that holds the keyboard focus, as the Edit menu of a form sees it: Copy, Cut,
// Paste and Undo go to it and are offered only when it can take them. A combo box's own text
// field, a button or any other window is no edit control.

#include "platform/core/Types.h"

class wxTextCtrl;

class CFocusedEdit {
public:
    // The edit control focused now (none when the focus is elsewhere).
    CFocusedEdit();

    BOOL IsEdit() const { return m_pText != nullptr; }
    BOOL HasSelection() const;
    // An edit that is not read-only while the clipboard holds text.
    BOOL CanPaste() const;
    BOOL CanUndo() const;

    void Copy();
    void Cut();
    void Paste();
    void Undo();

private:
    wxTextCtrl* m_pText = nullptr;
};
