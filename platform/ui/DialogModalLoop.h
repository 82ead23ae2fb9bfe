#pragma once
// Runs a dialog made with CDialog::Create as a modal dialog: the window system's modal loop
// (with wx's modal dialog hook, as every modal dialog) runs until the dialog is ended, which
// hides it (CDialog::EndDialog).

class CWnd;

// Shows the dialog's window modally and returns when it is hidden; FALSE when the window is
// no dialog of a template or no window system runs.
bool RunDialogModalLoop(CWnd& dialog);
